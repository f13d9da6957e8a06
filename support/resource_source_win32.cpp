// support/resource_source_win32.cpp
#include <windows.h>

#include <cstring>

#include "support/resource_source.h"

ResourceSource::~ResourceSource() = default;

bool ResourceSource::Load(int id, void* module, const char* typeName) {
    HMODULE owner = module != nullptr ? static_cast<HMODULE>(module) : GetModuleHandleA(nullptr);
    bytes_ = nullptr;
    size_ = 0;
    position_ = 0;
    HRSRC found = FindResourceA(owner, MAKEINTRESOURCEA(id), typeName);
    HGLOBAL loaded = found != nullptr ? LoadResource(owner, found) : nullptr;
    if (loaded == nullptr) {
        return false;
    }
    const void* bytes = LockResource(loaded);
    const DWORD size = SizeofResource(owner, found);
    if (bytes == nullptr && size != 0) {
        return false;
    }
    bytes_ = static_cast<const char*>(bytes);
    size_ = static_cast<std::int32_t>(size);
    return true;
}

std::int32_t ResourceSource::Read(char* buffer, std::int32_t max) {
    const std::int32_t left = size_ - position_;
    const std::int32_t count = max < left ? max : left;
    if (count <= 0) {
        return 0;
    }
    std::memcpy(buffer, bytes_ + position_, static_cast<std::size_t>(count));
    position_ += count;
    return count;
}
