// support/registry_key.h
#pragma once

#include <cstdint>
#include <vector>

#include "support/text.h"

// The roots the programs keep their keys below.
enum class RegistryRoot { CurrentUser };

// One open registry key below a fixed root, owned and closed when the object goes. Every
// operation answers whether it worked and never raises.
class RegistryKey {
public:
    static constexpr RegistryRoot kCurrentUser = RegistryRoot::CurrentUser;

    RegistryKey(RegistryRoot root, const Text& path, bool create);
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    virtual ~RegistryKey();

    // Closes any open key, then opens path (creating it and its parents when create is set).
    bool Open(const Text& path, bool create);
    bool SetString(const Text& name, const Text& value);
    bool SetDword(const Text& name, std::uint32_t value);
    // A REG_SZ value, up to its first zero; false for a missing value or one of another type.
    bool ReadString(const Text& name, Text& value) const;
    // The names of every value of the key.
    std::vector<Text> ValueNames() const;
    bool DeleteValue(const Text& name);

    // Deletes the key at path below root if it holds no value and no sub-key.
    static bool DeleteIfEmpty(RegistryRoot root, const Text& path);
    // Deletes the key at path below root with everything in it.
    static bool DeleteTree(RegistryRoot root, const Text& path);
    void Close();
    bool IsOpen() const { return key_ != nullptr; }

private:
    bool SetValue(const Text& name, const void* data, std::uint32_t size, std::uint32_t type);

    RegistryRoot root_;
    void* key_ = nullptr;
};
