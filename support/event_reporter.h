// support/event_reporter.h
#pragma once

#include <cstdarg>

#include "support/printf_format.h"

class EventLog;
class Exception;

// Base of the objects that report progress to a log they do not own. Every report is dropped
// when there is no log.
class EventReporter {
public:
    explicit EventReporter(EventLog* log = nullptr) : log_(log) {}
    EventReporter(const EventReporter&) = delete;
    EventReporter& operator=(const EventReporter&) = delete;
    virtual ~EventReporter();

    EventLog* Log() const { return log_; }
    void SetLog(EventLog* log) { log_ = log; }

    void ReportEvent(const char* text);
    void ReportEventFormatted(const char* format, ...) TVL_PRINTF_FORMAT(2, 3);
    void ReportException(const Exception& exception);

private:
    EventLog* log_;
};
