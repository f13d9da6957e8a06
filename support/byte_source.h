// support/byte_source.h
#pragma once

#include <cstdint>

class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    virtual ~ByteSource();

    // Delivers 0 to max bytes. 0 alone does not mean the end; AtEnd says that.
    virtual std::int32_t Read(char* buffer, std::int32_t max) = 0;
    virtual bool AtEnd() { return false; }
};
