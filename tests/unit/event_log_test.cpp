// tests/unit/event_log_test.cpp
#include "support/event_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/event_reporter.h"
#include "support/exception.h"
#include "support/timestamp.h"

namespace {

class RecordingLog : public EventLog {
public:
    RecordingLog(LineFormat format, bool enabled) : EventLog(format, enabled) {}
    void WriteLine(const char* line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

// "YYYY/MM/DD hh:mm:ss": digits everywhere but the separators.
bool IsTimeStamp(const std::string& text) {
    const std::string shape = "dddd/dd/dd dd:dd:dd";
    if (text.size() != shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i]) {
            return false;
        }
    }
    return true;
}

class Walker : public EventReporter {
public:
    using EventReporter::EventReporter;
};

TEST(EventLogTest, ComposesEachLineFormat) {
    const RecordingLog kindAndText(LineFormat::KindAndText, true);
    EXPECT_EQ(kindAndText.Compose("event", "C:\\x"), "event: C:\\x");
    const RecordingLog textOnly(LineFormat::TextOnly, true);
    EXPECT_EQ(textOnly.Compose("event", "C:\\x"), "C:\\x");
    const RecordingLog stamped(LineFormat::TimeStamped, true);
    const std::string line = stamped.Compose("event", "C:\\x");
    ASSERT_GT(line.size(), 19u);
    EXPECT_TRUE(IsTimeStamp(line.substr(0, 19))) << line;
    EXPECT_EQ(line.substr(19), " event: C:\\x");
}

TEST(EventLogTest, DisabledLogDropsEventsButWritesExceptions) {
    RecordingLog log(LineFormat::KindAndText, false);
    log.LogEvent("dropped");
    log.LogEventFormatted("dropped %s", "too");
    log.LogException(Exception(ExceptionCode::FileOpen));
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0], "exception 05009202: File Open Exception");
}

TEST(EventLogTest, ExceptionKindHasEightUpperCaseDigits) {
    RecordingLog log(LineFormat::KindAndText, true);
    log.LogException(Exception(0x00ABCDEF, "custom"));
    log.LogException(Exception(ExceptionCode::Stream));
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0], "exception 00ABCDEF: custom");
    EXPECT_EQ(log.lines[1], "exception 05009600: Stream Exception");
}

TEST(EventLogTest, PathsAreShownAsDataNeverAsFormat) {
    RecordingLog log(LineFormat::TextOnly, true);
    const char* hostile = "C:\\%s%n%x%d\\%%";
    log.LogEvent(hostile);
    log.LogEventFormatted("exception while processing directory %s", hostile);
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0], hostile);
    EXPECT_EQ(log.lines[1], std::string("exception while processing directory ") + hostile);
}

TEST(EventLogTest, LongTextsAreComposedWhole) {
    const std::string path = "C:\\" + std::string(5000, 'p') + "\\end";
    RecordingLog log(LineFormat::KindAndText, true);
    log.LogEventFormatted("exception while processing file %s", path.c_str());
    log.LogEvent(path.c_str());
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0], "event: exception while processing file " + path);
    EXPECT_EQ(log.lines[1], "event: " + path);
}

TEST(EventReporterTest, ReporterWithoutLogIgnoresEverything) {
    Walker walker;
    walker.ReportEvent("x");
    walker.ReportEventFormatted("%s", "x");
    walker.ReportException(Exception(ExceptionCode::User));
    EXPECT_EQ(walker.Log(), nullptr);
}

TEST(EventReporterTest, ForwardsToItsLogAndRespectsEnabled) {
    RecordingLog enabled(LineFormat::TextOnly, true);
    Walker walker(&enabled);
    walker.ReportEvent("visiting C:\\a");
    walker.ReportEventFormatted("exception while processing file %s", "C:\\a\\b");
    walker.ReportException(Exception(ExceptionCode::Resource));
    EXPECT_EQ(enabled.lines, (std::vector<std::string>{"visiting C:\\a",
                                                       "exception while processing file C:\\a\\b",
                                                       "Resource Exception"}));

    RecordingLog disabled(LineFormat::TextOnly, false);
    walker.SetLog(&disabled);
    walker.ReportEvent("dropped");
    walker.ReportEventFormatted("dropped %s", "too");
    walker.ReportException(Exception(ExceptionCode::User));
    EXPECT_EQ(disabled.lines, (std::vector<std::string>{"User Exception"}));
}

TEST(TimestampTest, UnsetStampFormatsAsZeros) {
    Timestamp stamp;
    EXPECT_STREQ(stamp.Format(), "0000/00/00 00:00:00");
}

TEST(TimestampTest, FormatsTheStoredFields) {
    Timestamp stamp;
    stamp.year = 2009;
    stamp.month = 3;
    stamp.day = 1;
    stamp.hour = 9;
    stamp.minute = 5;
    stamp.second = 7;
    EXPECT_STREQ(stamp.Format(), "2009/03/01 09:05:07");
    stamp.year = -32768;
    stamp.month = 65535;
    EXPECT_STREQ(stamp.Format(), "-32768/65535/01 09:05:07");
}

TEST(TimestampTest, LocalTimeIsAPlausibleCalendarTime) {
    Timestamp stamp;
    stamp.SetToLocalTime();
    EXPECT_GE(stamp.year, 2024);
    EXPECT_GE(stamp.month, 1);
    EXPECT_LE(stamp.month, 12);
    EXPECT_GE(stamp.day, 1);
    EXPECT_LE(stamp.day, 31);
    EXPECT_LE(stamp.hour, 23);
    EXPECT_LE(stamp.minute, 59);
    EXPECT_LE(stamp.second, 60);
}

TEST(ExceptionTest, CarriesCodeAndFixedMessage) {
    const Exception open(ExceptionCode::FileOpen);
    const Exception copy = open;
    EXPECT_EQ(copy.Code(), 0x05009202u);
    EXPECT_STREQ(copy.Message(), "File Open Exception");
    EXPECT_TRUE(copy.Is(ExceptionCode::FileOpen));
    EXPECT_STREQ(Exception(ExceptionCode::User).Message(), "User Exception");
    EXPECT_STREQ(Exception(ExceptionCode::FileWrite).Message(), "File Write Exception");
}

}  // namespace
