// support/timestamp.cpp
#include "support/timestamp.h"

#include <cstdio>

Timestamp::~Timestamp() = default;

void Timestamp::SetToLocalTime() {
    static_cast<LocalTime&>(*this) = ReadLocalTime();
}

const char* Timestamp::Format() {
    std::snprintf(text_, sizeof text_, "%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return text_;
}
