// support/local_time_posix.cpp
#include "support/local_time.h"

#include <ctime>

LocalTime ReadLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    LocalTime time;
    if (localtime_r(&now, &parts) == nullptr) {
        return time;
    }
    time.year = static_cast<std::int16_t>(parts.tm_year + 1900);
    time.month = static_cast<std::uint16_t>(parts.tm_mon + 1);
    time.day = static_cast<std::uint16_t>(parts.tm_mday);
    time.hour = static_cast<std::uint16_t>(parts.tm_hour);
    time.minute = static_cast<std::uint16_t>(parts.tm_min);
    time.second = static_cast<std::uint16_t>(parts.tm_sec);
    return time;
}
