// tests/unit/text_test.cpp
#include "support/text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(TextTest, EmptyTextIsAnEmptyZeroTerminatedString) {
    const Text empty;
    ASSERT_NE(empty.CStr(), nullptr);
    EXPECT_EQ(empty.CStr()[0], '\0');
    EXPECT_EQ(empty.Length(), 0u);
}

TEST(TextTest, LeftAndMidClampTheirArguments) {
    const Text path("C:\\tvl\\");
    EXPECT_EQ(path.Left(0), "");
    EXPECT_EQ(path.Left(-1), "");
    EXPECT_EQ(path.Left(2), "C:");
    EXPECT_EQ(path.Left(static_cast<std::int32_t>(path.Length())), path);
    EXPECT_EQ(path.Left(static_cast<std::int32_t>(path.Length()) + 5), path);

    EXPECT_EQ(path.Mid(0), path);
    EXPECT_EQ(path.Mid(-3), path);
    EXPECT_EQ(path.Mid(3), "tvl\\");
    EXPECT_EQ(path.Mid(static_cast<std::int32_t>(path.Length())), "");
    EXPECT_EQ(path.Mid(1000), "");
}

TEST(TextTest, MakeLowerChangesOnlyAsciiCapitals) {
    Text name("PLUG-INS\xC4\xDF@[`{"s);
    name.MakeLower();
    EXPECT_EQ(name.Bytes(), "plug-ins\xC4\xDF@[`{"s);
}

TEST(TextTest, CopyToCopiesWithoutTerminatorAndClampsCapacity) {
    const Text text("abcdef");
    char buffer[8] = {'#', '#', '#', '#', '#', '#', '#', '#'};
    EXPECT_EQ(text.CopyTo(buffer, 0), 0);
    EXPECT_EQ(text.CopyTo(buffer, -4), 0);
    EXPECT_EQ(std::string(buffer, 8), "########");
    EXPECT_EQ(text.CopyTo(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 8), "abc#####");
    EXPECT_EQ(text.CopyTo(buffer, 8), 6);
    EXPECT_EQ(std::string(buffer, 8), "abcdef##");
    EXPECT_EQ(text, "abcdef");
}

TEST(TextTest, CountFindsNonOverlappingSeparators) {
    EXPECT_EQ(Text("a//b").Count("/"), 2u);
    EXPECT_EQ(Text("a//b").Count(""), 0u);
    EXPECT_EQ(Text("aaaa").Count("aa"), 2u);
    EXPECT_EQ(Text("aaa").Count("aa"), 1u);
    EXPECT_EQ(Text("").Count("/"), 0u);
}

TEST(TextTest, FindTreatsAnEmptyNeedleAndPositionsPastTheEnd) {
    const Text text("abc");
    EXPECT_EQ(text.Find("", 3), 3u);
    EXPECT_EQ(text.Find("", 4), Text::kNotFound);
    EXPECT_EQ(text.Find("c", 4), Text::kNotFound);
    EXPECT_EQ(text.Find("bc", 1), 1u);
    EXPECT_EQ(text.Find("bc", 2), Text::kNotFound);
}

TEST(TextTest, FieldBoundsOnTextWithoutSeparator) {
    const Text text("abc");
    std::uint32_t start = 99;
    std::uint32_t end = 99;
    ASSERT_TRUE(text.FieldBounds("/", 0, start, end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    EXPECT_FALSE(text.FieldBounds("/", 1, start, end));
    ASSERT_TRUE(text.FieldBounds("/", -1, start, end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    EXPECT_FALSE(text.FieldBounds("/", -2, start, end));
}

TEST(TextTest, FieldsCountFromTheEndWithNegativeIndex) {
    const Text text("a/b/c/");
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    ASSERT_TRUE(text.FieldBounds("/", -2, start, end));
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(end, 5u);
    ASSERT_TRUE(text.FieldBounds("/", -1, start, end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 6u);
    ASSERT_TRUE(text.FieldBounds("/", -4, start, end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
    EXPECT_FALSE(text.FieldBounds("/", -5, start, end));
    EXPECT_FALSE(text.FieldStart("/", 4, start));
}

TEST(TextTest, EmptySeparatorFieldStartsAtZero) {
    const Text text("abc");
    std::uint32_t start = 99;
    ASSERT_TRUE(text.FieldStart("", 7, start));
    EXPECT_EQ(start, 0u);
    ASSERT_TRUE(text.FieldStart("", -1, start));
    EXPECT_FALSE(text.FieldStart("", -2, start));
}

TEST(TextTest, MultiByteSeparatorFields) {
    const Text text("one::two::three");
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    ASSERT_TRUE(text.FieldBounds("::", 1, start, end));
    EXPECT_EQ(text.View().substr(start, end - start), "two");
    ASSERT_TRUE(text.FieldBounds("::", -1, start, end));
    EXPECT_EQ(text.View().substr(start, end - start), "three");
}

TEST(TextTest, TakeFieldRemovesFieldAndFollowingSeparator) {
    Text text("a/b/c/");
    EXPECT_EQ(text.TakeField("/", -2), "c");
    EXPECT_EQ(text, "a/b/");

    Text drive("C:/");
    EXPECT_EQ(drive.TakeField("/", -2), "C:");
    EXPECT_EQ(drive, "");

    Text last("a/bc");
    EXPECT_EQ(last.TakeField("::", 0), "a/bc");
    EXPECT_EQ(last, "");
}

TEST(TextTest, FailedTakeFieldLeavesTextUntouched) {
    Text text("a/b");
    EXPECT_EQ(text.TakeField("/", 5), "");
    EXPECT_EQ(text.TakeField("/", -4), "");
    EXPECT_EQ(text, "a/b");
}

TEST(TextTest, ReplaceRepeatedlyCollapsesRunsReplaceAllDoesNot) {
    Text collapsed("////");
    EXPECT_EQ(collapsed.ReplaceRepeatedly("//", "/", 0), 3);
    EXPECT_EQ(collapsed, "/");

    Text halved("////");
    EXPECT_EQ(halved.ReplaceAll("//", "/", 0), 2);
    EXPECT_EQ(halved, "//");

    Text path("a///b");
    EXPECT_EQ(path.ReplaceRepeatedly("//", "/", 0), 2);
    EXPECT_EQ(path, "a/b");
}

TEST(TextTest, ReplaceAllStartsAtTheGivenPosition) {
    Text path("\\\\server\\share\\x");
    EXPECT_EQ(path.ReplaceAll("\\", "/", 2), 2);
    EXPECT_EQ(path, "\\\\server/share/x");
    EXPECT_EQ(path.ReplaceAll("/", "\\", 100), 0);
    EXPECT_EQ(path, "\\\\server/share/x");
}

TEST(TextTest, ReplaceAllDoesNotRescanItsOwnReplacement) {
    Text text("a.b.c");
    EXPECT_EQ(text.ReplaceAll(".", "..", 0), 2);
    EXPECT_EQ(text, "a..b..c");
}

TEST(TextTest, ReplacesOutsideTheirLimitsTerminate) {
    Text emptyFind("abc");
    EXPECT_EQ(emptyFind.ReplaceAll("", "x", 0), 0);
    EXPECT_EQ(emptyFind.ReplaceRepeatedly("", "", 0), 0);
    EXPECT_EQ(emptyFind, "abc");

    // A replacement containing find falls back to searching after the insertion.
    Text growing("a/b/");
    EXPECT_EQ(growing.ReplaceRepeatedly("/", "//", 0), 2);
    EXPECT_EQ(growing, "a//b//");
}

TEST(TextTest, ZeroBytesSurviveCopiesAndOperations) {
    const std::string bytes("ab\0cd\0"s);
    const Text text(bytes);
    ASSERT_EQ(text.Length(), 6u);

    const Text copy = text;
    EXPECT_EQ(copy.Bytes(), bytes);
    EXPECT_EQ(text.Mid(2).Bytes(), "\0cd\0"s);
    EXPECT_EQ(text.Left(4).Bytes(), "ab\0c"s);

    char buffer[6];
    ASSERT_EQ(text.CopyTo(buffer, 6), 6);
    EXPECT_EQ(std::string(buffer, 6), bytes);

    const Text joined = text + "xy";
    EXPECT_EQ(joined.Bytes(), "ab\0cd\0xy"s);
    EXPECT_EQ(joined.CStr()[joined.Length()], '\0');
}

TEST(TextTest, CopiesAreIndependent) {
    Text original("C:\\Program Files\\");
    Text copy = original;
    copy.MakeLower();
    copy.ReplaceAll("\\", "/", 0);
    EXPECT_EQ(original, "C:\\Program Files\\");
    EXPECT_EQ(copy, "c:/program files/");
}

TEST(TextTest, PlusLeavesTheLeftOperandUnchanged) {
    const Text folder("D:\\Programs\\");
    EXPECT_EQ(folder + "Tarvelle\\", "D:\\Programs\\Tarvelle\\");
    EXPECT_EQ(folder, "D:\\Programs\\");
}

}  // namespace
