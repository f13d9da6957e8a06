// tests/unit/link_target_test.cpp
#include "support/link_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kJunction = 0xA0000003;
constexpr std::uint32_t kSymbolicLink = 0xA000000C;
constexpr std::uint32_t kRelative = 1;

void PutLittleEndian(std::vector<std::uint8_t>& data, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Reparse data as the system hands it out: the name shown first, then the name followed, each
// with a terminating zero.
std::vector<std::uint8_t> ReparseData(std::uint32_t tag, std::u16string_view followed,
                                      std::uint32_t flags = 0,
                                      std::u16string_view shown = u"C:\\Shown") {
    std::vector<std::uint8_t> names;
    for (const std::u16string_view name : {shown, followed}) {
        for (const char16_t unit : name) {
            PutLittleEndian(names, unit, 2);
        }
        PutLittleEndian(names, 0, 2);
    }
    const std::uint32_t shownBytes = static_cast<std::uint32_t>(shown.size() * 2);
    const std::uint32_t followedBytes = static_cast<std::uint32_t>(followed.size() * 2);
    std::vector<std::uint8_t> fields;
    PutLittleEndian(fields, shownBytes + 2, 2);
    PutLittleEndian(fields, followedBytes, 2);
    PutLittleEndian(fields, 0, 2);
    PutLittleEndian(fields, shownBytes, 2);
    if (tag == kSymbolicLink) {
        PutLittleEndian(fields, flags, 4);
    }
    std::vector<std::uint8_t> data;
    PutLittleEndian(data, tag, 4);
    PutLittleEndian(data, static_cast<std::uint32_t>(fields.size() + names.size()), 2);
    PutLittleEndian(data, 0, 2);
    data.insert(data.end(), fields.begin(), fields.end());
    data.insert(data.end(), names.begin(), names.end());
    return data;
}

// The target, or "<refused>".
std::u16string Target(const std::vector<std::uint8_t>& data,
                      std::u16string_view linkFolder = u"C:\\Program Files\\") {
    std::u16string target;
    return LinkTargetPath(data, linkFolder, target) ? target : u"<refused>";
}

TEST(LinkTargetTest, JunctionsAndAbsoluteLinksLeadToTheDrivePathTheyFollow) {
    EXPECT_EQ(Target(ReparseData(kJunction, u"\\??\\D:\\Moved\\")), u"D:\\Moved");
    EXPECT_EQ(Target(ReparseData(kJunction, u"\\??\\d:\\Moved")), u"d:\\Moved");
    EXPECT_EQ(Target(ReparseData(kJunction, u"\\??\\D:\\")), u"D:\\");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"\\??\\C:\\Windows\\System32")),
              u"C:\\Windows\\System32");
    // The name shown is not what the system follows.
    EXPECT_EQ(Target(ReparseData(kJunction, u"\\??\\E:\\Real", 0, u"D:\\Moved")), u"E:\\Real");
    // The flag of a relative target means nothing to a junction.
    EXPECT_EQ(Target(ReparseData(kJunction, u"\\??\\D:\\Moved", kRelative)), u"D:\\Moved");
}

TEST(LinkTargetTest, RelativeLinksStartFromTheLinksFolder) {
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"Other", kRelative)), u"C:\\Program Files\\Other");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u".\\a\\.\\b\\", kRelative)),
              u"C:\\Program Files\\a\\b");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"..\\Windows\\System32", kRelative)),
              u"C:\\Windows\\System32");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"a\\..\\..\\b", kRelative)), u"C:\\b");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"..", kRelative)), u"C:\\");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"\\Tools\\x", kRelative)), u"C:\\Tools\\x");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"x", kRelative), u"D:"), u"D:\\x");
    for (const char16_t* refused : {u"..\\..", u"..\\..\\Windows", u"\\..", u"\\\\server\\share",
                                    u"D:x", u"D:\\x", u"\\??\\D:\\x", u"a\\\\b", u"a.", u"a "}) {
        EXPECT_EQ(Target(ReparseData(kSymbolicLink, refused, kRelative)), u"<refused>");
    }
    // Only a folder from a drive's root is a place to start from.
    for (const char16_t* folder : {u"", u"Program Files", u"\\\\server\\share\\", u"C:\\a\\..\\"}) {
        EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"x", kRelative), folder), u"<refused>");
    }
}

TEST(LinkTargetTest, TargetsThatAreNoDriveLetterPathOrNoPlainNamesAreRefused) {
    for (const char16_t* refused : {
             u"\\??\\Volume{3b1f6a2e-0000-0000-0000-100000000000}\\",
             u"\\??\\UNC\\server\\share\\x",
             u"\\??\\GLOBALROOT\\Device\\HarddiskVolume2\\x",
             u"\\Device\\HarddiskVolume2\\x",
             u"\\\\?\\C:\\x",
             u"C:\\x",
             u"\\??\\1:\\x",
             u"\\??\\C:x",
             u"\\??\\C:\\a\\..\\b",
             u"\\??\\C:\\a\\.\\b",
             u"\\??\\C:\\a\\\\b",
             u"\\??\\C:\\a:stream",
             u"\\??\\C:\\a/b",
             u"\\??\\C:\\a\x01",
             u"\\??\\C:\\con.",
         }) {
        EXPECT_EQ(Target(ReparseData(kJunction, refused)), u"<refused>");
        EXPECT_EQ(Target(ReparseData(kSymbolicLink, refused)), u"<refused>");
    }
}

TEST(LinkTargetTest, DataThatDoesNotHoldTogetherIsRefused) {
    const std::vector<std::uint8_t> good = ReparseData(kSymbolicLink, u"\\??\\D:\\Moved");
    ASSERT_EQ(Target(good), u"D:\\Moved");
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_EQ(Target({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)}),
                  u"<refused>")
            << size;
    }
    // Other kinds of reparse data (the system's compressed files, an app execution alias).
    for (const std::uint32_t tag : {0x80000017u, 0x8000001Bu, kJunction | 0x08u}) {
        std::vector<std::uint8_t> other = good;
        other[0] = static_cast<std::uint8_t>(tag);
        other[3] = static_cast<std::uint8_t>(tag >> 24);
        EXPECT_EQ(Target(other), u"<refused>") << tag;
    }
    std::vector<std::uint8_t> changed = good;
    changed[4] = 4;  // the data's length leaves out the names
    EXPECT_EQ(Target(changed), u"<refused>");
    changed = good;
    changed[8] += 1;  // the followed name at an odd offset
    EXPECT_EQ(Target(changed), u"<refused>");
    changed = good;
    changed[10] += 1;  // an odd length
    EXPECT_EQ(Target(changed), u"<refused>");
    changed = good;
    changed[10] = 0xF0;  // past the end of the data
    EXPECT_EQ(Target(changed), u"<refused>");
    EXPECT_EQ(Target(ReparseData(kJunction, u"")), u"<refused>");
    EXPECT_EQ(Target(ReparseData(kSymbolicLink, u"", kRelative)), u"<refused>");
}

}  // namespace
