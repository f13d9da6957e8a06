// support/timestamp.h
#pragma once

#include <cstdint>

class Timestamp {
public:
    Timestamp() = default;
    virtual ~Timestamp();

    void SetToLocalTime();
    // "YYYY/MM/DD hh:mm:ss" in the stamp's own buffer, valid until the next Format.
    const char* Format();

    std::int16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;

private:
    char text_[128] = {};
};
