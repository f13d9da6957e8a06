// support/registry_key_win32.cpp
#include <windows.h>

#include "support/registry_key.h"

RegistryKey::RegistryKey(std::uintptr_t root, const Text& path, bool create)
    : root_(reinterpret_cast<void*>(root)) {
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
    if (RegOpenKeyA(static_cast<HKEY>(root_), path.CStr(), &opened) == ERROR_SUCCESS) {
        key_ = opened;
        return true;
    }
    if (create && RegCreateKeyA(static_cast<HKEY>(root_), path.CStr(), &opened) == ERROR_SUCCESS) {
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

void RegistryKey::Close() {
    if (key_ != nullptr) {
        RegCloseKey(static_cast<HKEY>(key_));
    }
    key_ = nullptr;
}
