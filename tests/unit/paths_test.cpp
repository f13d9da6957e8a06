// tests/unit/paths_test.cpp
#include "support/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(ToSlashDirectoryTest, AddsOneTrailingSlashWhateverTheInput) {
    EXPECT_EQ(ToSlashDirectory("C:\\a\\b"), "C:/a/b/");
    EXPECT_EQ(ToSlashDirectory("C:\\a\\b\\"), "C:/a/b/");
    EXPECT_EQ(ToSlashDirectory("C:/a/b/"), "C:/a/b/");
    EXPECT_EQ(ToSlashDirectory(""), "/");
}

TEST(ToSlashDirectoryTest, CollapsesDoubledSeparators) {
    EXPECT_EQ(ToSlashDirectory("C:\\a\\\\b\\"), "C:/a/b/");
    EXPECT_EQ(ToSlashDirectory("C:\\Program Files\\\\\\Tarvelle"), "C:/Program Files/Tarvelle/");
}

TEST(ToSlashDirectoryTest, NeverRewritesTheFirstTwoBytes) {
    EXPECT_EQ(ToSlashDirectory("\\\\server\\share\\x"), "\\\\server/share/x/");
    EXPECT_EQ(ToSlashDirectory("//"), "//");
    EXPECT_EQ(ToSlashDirectory("///x"), "//x/");
    EXPECT_EQ(ToSlashDirectory("\\"), "\\/");
}

TEST(ToSlashDirectoryTest, KeepsBytesAboveAscii) {
    EXPECT_EQ(ToSlashDirectory("C:\\Gr\xFC\xDF\\%s%n"), "C:/Gr\xFC\xDF/%s%n/");
}

TEST(FullDirectoryPathTest, OnlyDriveOrShareRootedPathsAreAccepted) {
    for (const char* accepted :
         {"C:\\", "d:\\Hosts\\Plug-Ins", "Z:\\a\\", "\\\\server\\share\\", "\\\\s\\x\\y"}) {
        EXPECT_TRUE(IsFullDirectoryPath(accepted)) << accepted;
    }
    // Nor a network path whose server or share name is empty, whichever separator ends it.
    for (const char* refused :
         {"", "plugins", "C:", "C:plugins", "\\plugins", "1:\\x", "\\\\server", "\\\\server\\share",
          "\\\\\\share\\", "/tmp/x", "\\\\server\\\\x\\", "\\\\/share\\x\\", "\\\\server\\/x\\"}) {
        EXPECT_FALSE(IsFullDirectoryPath(refused)) << refused;
    }
}

TEST(FolderHelpersTest, FolderOfKeepsTheSeparatorAndTrailingSeparatorIsAddedOnce) {
    EXPECT_EQ(FolderOf("C:\\a\\b.dll"), "C:\\a\\");
    EXPECT_EQ(FolderOf("C:/a/b.dll"), "C:/a/");
    EXPECT_EQ(FolderOf("b.dll"), "");
    EXPECT_EQ(WithTrailingSeparator("C:\\a"), "C:\\a\\");
    EXPECT_EQ(WithTrailingSeparator("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(WithTrailingSeparator("C:/a/"), "C:/a/");
    EXPECT_EQ(WithTrailingSeparator(""), "");
}

TEST(DeviceNameTest, DeviceNamesWithAnyExtensionCaseOrSpacesAreFoundInAnyPlaceOfAPath) {
    for (const char* device :
         {"CON", "nul.txt", "Aux .tar.gz", "com1", "LPT9.x", "conout$", "COM\xC2\xB9", "prn  "}) {
        EXPECT_TRUE(IsDeviceName(std::string_view(device))) << device;
    }
    for (const char* plain :
         {"CONSOLE", "nul_", "com0", "com10", "lpt", "xcon", ".nul", "con$", "COM\xC2\xB4"}) {
        EXPECT_FALSE(IsDeviceName(std::string_view(plain))) << plain;
    }
    // The system's UTF-16 names, where a superscript digit is one unit.
    EXPECT_TRUE(IsDeviceName(std::u16string_view(u"lpt\u00B3.txt")));
    EXPECT_TRUE(IsDeviceName(std::u16string_view(u"NUL")));
    EXPECT_FALSE(IsDeviceName(std::u16string_view(u"COM\u00B4")));
    EXPECT_EQ(DeviceNameIn("C:\\tvl-dev\\CON\\"), "CON");
    EXPECT_EQ(DeviceNameIn("D:/a/nul.txt/b"), "nul.txt");
    EXPECT_EQ(DeviceNameIn("\\\\server\\share\\Plug-Ins\\"), "");
}

}  // namespace
