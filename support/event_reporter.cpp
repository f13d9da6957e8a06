// support/event_reporter.cpp
#include "support/event_reporter.h"

#include "support/event_log.h"

EventReporter::~EventReporter() {
    log_ = nullptr;
}

void EventReporter::ReportEvent(const char* text) {
    if (log_ != nullptr) {
        log_->LogEvent(text);
    }
}

void EventReporter::ReportEventFormatted(const char* format, ...) {
    if (log_ == nullptr || !log_->Enabled()) {
        return;
    }
    std::va_list arguments;
    va_start(arguments, format);
    log_->LogEventFormattedV(format, arguments);
    va_end(arguments);
}

void EventReporter::ReportException(const Exception& exception) {
    if (log_ != nullptr) {
        log_->LogException(exception);
    }
}
