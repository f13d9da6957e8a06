// support/event_log.h
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#include "support/printf_format.h"

class Exception;

enum class LineFormat : std::int32_t {
    TimeStamped = 0,  // "<time> <kind>: <text>"
    KindAndText = 1,  // "<kind>: <text>"
    TextOnly = 2,     // "<text>"
};

// Receives progress and exception lines. Texts are paths and fixed messages; they are only ever
// arguments of a format, so a name such as "%s%n" is shown as those characters. A line longer
// than the usual 2048 bytes is composed whole in a larger buffer rather than cut.
class EventLog {
public:
    EventLog(LineFormat format, bool enabled) : enabled_(enabled), format_(format) {}
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;
    virtual ~EventLog();

    virtual void WriteLine(const char* line) = 0;

    bool Enabled() const { return enabled_; }
    LineFormat Format() const { return format_; }

    std::string Compose(const char* kind, const char* text) const;
    void LogEvent(const char* text);
    void LogEventFormatted(const char* format, ...) TVL_PRINTF_FORMAT(2, 3);
    void LogEventFormattedV(const char* format, std::va_list arguments) TVL_PRINTF_FORMAT(2, 0);
    // Written even when events are disabled.
    void LogException(const Exception& exception);

private:
    bool enabled_;
    LineFormat format_;
};
