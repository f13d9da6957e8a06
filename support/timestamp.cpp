// support/timestamp.cpp
#include "support/timestamp.h"

#include <cstring>

#include "support/format_text.h"

Timestamp::~Timestamp() = default;

void Timestamp::SetToLocalTime() {
    static_cast<LocalTime&>(*this) = ReadLocalTime();
}

const char* Timestamp::Format() {
    const std::string text =
        FormatText("%04d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    const std::size_t length = text.size() < sizeof text_ ? text.size() : sizeof text_ - 1;
    std::memcpy(text_, text.data(), length);
    text_[length] = '\0';
    return text_;
}
