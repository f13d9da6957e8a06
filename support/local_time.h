// support/local_time.h
#pragma once

#include <cstdint>

struct LocalTime {
    std::int16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
};

// The wall-clock time of this machine's time zone, to the second.
LocalTime ReadLocalTime();
