// support/event_log.cpp
#include "support/event_log.h"

#include <cstdio>

#include "support/exception.h"
#include "support/timestamp.h"

namespace {

constexpr std::size_t kLineBufferSize = 2048;
constexpr std::size_t kKindBufferSize = 32;

}  // namespace

std::string FormatTextV(const char* format, std::va_list arguments) {
    std::string line(kLineBufferSize, '\0');
    std::va_list retry;
    va_copy(retry, arguments);
    const int needed = std::vsnprintf(line.data(), line.size(), format, arguments);
    if (needed < 0) {
        va_end(retry);
        return std::string();
    }
    if (static_cast<std::size_t>(needed) >= line.size()) {
        line.assign(static_cast<std::size_t>(needed) + 1, '\0');
        std::vsnprintf(line.data(), line.size(), format, retry);
    }
    va_end(retry);
    line.resize(static_cast<std::size_t>(needed));
    return line;
}

std::string FormatText(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::string text = FormatTextV(format, arguments);
    va_end(arguments);
    return text;
}

EventLog::~EventLog() = default;

std::string EventLog::Compose(const char* kind, const char* text) const {
    switch (format_) {
        case LineFormat::TimeStamped: {
            Timestamp now;
            now.SetToLocalTime();
            return FormatText("%s %s: %s", now.Format(), kind, text);
        }
        case LineFormat::KindAndText:
            return FormatText("%s: %s", kind, text);
        case LineFormat::TextOnly:
            break;
    }
    return std::string(text);
}

void EventLog::LogEvent(const char* text) {
    if (!enabled_) {
        return;
    }
    WriteLine(Compose("event", text).c_str());
}

void EventLog::LogEventFormatted(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    LogEventFormattedV(format, arguments);
    va_end(arguments);
}

void EventLog::LogEventFormattedV(const char* format, std::va_list arguments) {
    LogEvent(FormatTextV(format, arguments).c_str());
}

void EventLog::LogException(const Exception& exception) {
    char kind[kKindBufferSize];
    std::snprintf(kind, sizeof kind, "exception %08X", static_cast<unsigned>(exception.Code()));
    WriteLine(Compose(kind, exception.Message()).c_str());
}
