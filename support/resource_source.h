// support/resource_source.h
#pragma once

#include <cstdint>

#include "support/byte_source.h"

// The bytes of one resource of a loaded module, read in place. Resource memory lives as long as
// the module; nothing is freed here.
class ResourceSource : public ByteSource {
public:
    ResourceSource() = default;
    ~ResourceSource() override;

    // Finds resource id of type typeName ("bin" matches "BIN") in module (null: this
    // executable). False, with nothing left to read, when it is missing or cannot be loaded.
    bool Load(int id, void* module = nullptr, const char* typeName = "bin");

    std::int32_t Read(char* buffer, std::int32_t max) override;
    bool AtEnd() override { return position_ == size_; }
    std::int32_t Size() const { return size_; }

private:
    const char* bytes_ = nullptr;
    std::int32_t size_ = 0;
    std::int32_t position_ = 0;
};
