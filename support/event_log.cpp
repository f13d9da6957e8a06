// support/event_log.cpp
#include "support/event_log.h"

#include "support/exception.h"
#include "support/format_text.h"
#include "support/timestamp.h"

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
    if (enabled_) {
        WriteLine(Compose("event", text).c_str());
    }
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
    const std::string kind = FormatText("exception %08X", static_cast<unsigned>(exception.Code()));
    WriteLine(Compose(kind.c_str(), exception.Message()).c_str());
}
