// support/timestamp.cpp
#include "support/timestamp.h"

#include <cstdio>

#include "support/local_time.h"

Timestamp::~Timestamp() = default;

void Timestamp::SetToLocalTime() {
    const LocalTime now = ReadLocalTime();
    year = now.year;
    month = now.month;
    day = now.day;
    hour = now.hour;
    minute = now.minute;
    second = now.second;
}

const char* Timestamp::Format() {
    std::snprintf(text_, sizeof text_, "%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return text_;
}
