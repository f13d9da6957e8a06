// support/registry_key_win32.cpp
#include <windows.h>

#include "support/registry_key.h"

namespace {

HKEY SystemRoot(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : nullptr;
}

}  // namespace

RegistryKey::RegistryKey(RegistryRoot root, const Text& path, bool create) : root_(root) {
    if (!path.IsEmpty()) {
        Open(path, create);
    }
}

RegistryKey::~RegistryKey() {
    Close();
}

bool RegistryKey::Open(const Text& path, bool create) {
    Close();
    HKEY opened = nullptr;
    if (RegOpenKeyA(SystemRoot(root_), path.CStr(), &opened) == ERROR_SUCCESS ||
        (create && RegCreateKeyA(SystemRoot(root_), path.CStr(), &opened) == ERROR_SUCCESS)) {
        key_ = opened;
        return true;
    }
    return false;
}

bool RegistryKey::SetValue(const Text& name, const void* data, std::uint32_t size,
                           std::uint32_t type) {
    return RegSetValueExA(static_cast<HKEY>(key_), name.CStr(), 0, type,
                          static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool RegistryKey::SetString(const Text& name, const Text& value) {
    const std::uint32_t size = value.IsEmpty() ? 0 : value.Length() + 1;
    return SetValue(name, value.CStr(), size, REG_SZ);
}

bool RegistryKey::SetDword(const Text& name, std::uint32_t value) {
    return SetValue(name, &value, sizeof value, REG_DWORD);
}

bool RegistryKey::ReadString(const Text& name, Text& value) const {
    DWORD type = 0;
    DWORD size = 0;
    const HKEY key = static_cast<HKEY>(key_);
    if (RegQueryValueExA(key, name.CStr(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    // The value may change between the two calls; a larger one fails the second.
    std::string data(size, '\0');
    if (RegQueryValueExA(key, name.CStr(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    data.resize(size);
    // Nothing makes a writer end the string with a zero, or only at its end.
    value.Assign(std::string_view(data.c_str()));
    return true;
}

std::vector<Text> RegistryKey::ValueNames() const {
    std::vector<Text> names;
    for (DWORD index = 0;; ++index) {
        // The longest value name the registry allows, 16,383 UTF-16 units, in UTF-8 bytes.
        char name[3 * 16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(static_cast<HKEY>(key_), index, name, &length, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            return names;
        }
        names.emplace_back(name, length);
    }
}

bool RegistryKey::DeleteValue(const Text& name) {
    return RegDeleteValueA(static_cast<HKEY>(key_), name.CStr()) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteIfEmpty(RegistryRoot root, const Text& path) {
    DWORD subKeys = 0;
    DWORD values = 0;
    {
        RegistryKey key(root, path, false);
        if (!key.IsOpen() ||
            RegQueryInfoKeyA(static_cast<HKEY>(key.key_), nullptr, nullptr, nullptr, &subKeys,
                             nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                             nullptr) != ERROR_SUCCESS ||
            subKeys != 0 || values != 0) {
            return false;
        }
    }
    return RegDeleteKeyA(SystemRoot(root), path.CStr()) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteTree(RegistryRoot root, const Text& path) {
    return RegDeleteTreeA(SystemRoot(root), path.CStr()) == ERROR_SUCCESS;
}

void RegistryKey::Close() {
    if (key_ != nullptr) {
        RegCloseKey(static_cast<HKEY>(key_));
    }
    key_ = nullptr;
}
