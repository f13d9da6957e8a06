// tests/fuzz/event_log_fuzz.cpp
// Event lines with long and %-laden texts: a text is always shown as its bytes, whole, in every
// line format, and formatted events give what they were asked for.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "support/event_log.h"
#include "support/exception.h"
#include "support/format_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

class LastLine : public EventLog {
public:
    LastLine(LineFormat format, bool enabled) : EventLog(format, enabled) {}
    void WriteLine(const char* line) override {
        last = line;
        ++lines;
    }
    std::string last;
    int lines = 0;
};

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const auto format = static_cast<LineFormat>(provider.ConsumeIntegralInRange<int>(0, 2));
    const bool enabled = provider.ConsumeBool();
    // Long texts cross the usual 2048-byte line buffer.
    const std::size_t repeat = provider.ConsumeIntegralInRange<std::size_t>(1, 400);
    std::string text;
    const std::string piece = provider.ConsumeRandomLengthString(64);
    for (std::size_t i = 0; i < repeat && text.size() < 20000; ++i) {
        text += piece;
    }
    text += provider.ConsumeRemainingBytesAsString();
    text = text.c_str();  // a line is a C string: it ends at its first zero

    LastLine log(format, enabled);
    log.LogEvent(text.c_str());
    log.LogEventFormatted("%s", text.c_str());
    log.LogEventFormatted("%d files in %s", 7, text.c_str());
    FUZZ_CHECK(log.lines == (enabled ? 3 : 0));
    if (enabled) {
        const std::string expected = "7 files in " + text;
        switch (format) {
            case LineFormat::TextOnly:
                FUZZ_CHECK(log.last == expected);
                break;
            case LineFormat::KindAndText:
                FUZZ_CHECK(log.last == "event: " + expected);
                break;
            case LineFormat::TimeStamped:
                FUZZ_CHECK(EndsWith(log.last, " event: " + expected));
                break;
        }
    }
    // Exception lines are written whatever the setting.
    log.LogException(Exception(ExceptionCode::Stream));
    FUZZ_CHECK(log.lines == (enabled ? 4 : 1));
    FUZZ_CHECK(log.Compose("kind", text.c_str()).size() >= text.size());
    FUZZ_CHECK(EndsWith(log.Compose("kind", text.c_str()), text));
    FUZZ_CHECK(FormatText("%s|%s", text.c_str(), text.c_str()) == text + "|" + text);
    return 0;
}
