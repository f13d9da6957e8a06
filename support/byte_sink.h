// support/byte_sink.h
#pragma once

#include <cstdint>

class ByteSink {
public:
    ByteSink() = default;
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;
    virtual ~ByteSink();

    // Accepts 0 to length bytes; the writer keeps what was not accepted.
    virtual std::int32_t Write(const char* data, std::int32_t length) = 0;
};
