// tests/unit/paths_test.cpp
#include "support/paths.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

TEST(DeviceNameTest, DeviceNamesWithAnyExtensionCaseOrSpacesAreFound) {
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
}

// What the dialog stores for a typed folder is what the path calls would open, so that the
// handle calls of the install reach the same folder name by name.
TEST(TypedFolderTest, SlashesDotsAndDoubledSeparatorsAreReadAsWindowsReadsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:/Slash Plugins/", "D:\\Slash Plugins\\"},
        {"D:\\Apps\\..\\Dots Plugins\\", "D:\\Dots Plugins\\"},
        {"d:\\Hosts\\Plug-Ins", "d:\\Hosts\\Plug-Ins"},
        {"D:/", "D:\\"},
        {"C:\\a\\\\b\\.\\c//", "C:\\a\\b\\c\\"},
        {"C:\\..\\..\\x", "C:\\x"},
        {"C:\\a\\b\\..", "C:\\a"},
        {"C:\\a\\..", "C:\\"},
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"//server/share/x/../y", "\\\\server\\share\\y"},
        {"\\\\server\\share\\..\\x\\", "\\\\server\\share\\x\\"},
        {"C:\\Gr\xC3\xBC\xC3\x9F\\ .x\\", "C:\\Gr\xC3\xBC\xC3\x9F\\ .x\\"},
    };
    for (const auto& [typed, folder] : cases) {
        const TypedFolder read = ReadTypedFolder(typed);
        EXPECT_EQ(read.fault, TypedFolderFault::None) << typed;
        EXPECT_EQ(read.folder, folder) << typed;
    }
    const TypedFolder parts = ReadTypedFolder("\\\\server\\share\\a/b");
    EXPECT_EQ(parts.root, "\\\\server\\share\\");
    EXPECT_EQ(parts.names, (std::vector<std::string>{"a", "b"}));
}

TEST(TypedFolderTest, WhatCannotBeUsedIsRefusedWithTheNameAtFault) {
    for (const char* partial :
         {"", "plugins", "C:", "C:plugins", "\\plugins", "1:\\x", " C:\\x", "\\\\server",
          "\\\\server\\", "\\\\\\share\\", "\\\\?\\C:\\x", "\\\\.\\C:\\x", "//./pipe/x"}) {
        const TypedFolder read = ReadTypedFolder(partial);
        EXPECT_EQ(read.fault, TypedFolderFault::NotFullPath) << partial;
        EXPECT_EQ(read.folder, "") << partial;
    }
    const std::tuple<const char*, TypedFolderFault, const char*> refused[] = {
        {"C:\\tvl-dev\\CON\\Plug-Ins\\", TypedFolderFault::DeviceName, "CON"},
        {"D:/a/nul.txt/b", TypedFolderFault::DeviceName, "nul.txt"},
        {"C:\\Plugins.\\", TypedFolderFault::EndsInDotOrSpace, "Plugins."},
        {"C:\\Plug-Ins \\x", TypedFolderFault::EndsInDotOrSpace, "Plug-Ins "},
        {"C:\\a\\...", TypedFolderFault::EndsInDotOrSpace, "..."},
        {"C:\\a<b\\", TypedFolderFault::ForbiddenCharacter, "a<b"},
        {"C:\\x\\c:d", TypedFolderFault::ForbiddenCharacter, "c:d"},
        {"C:\\tab\there", TypedFolderFault::ForbiddenCharacter, "tab\there"},
        {"\\\\ser*ver\\share\\", TypedFolderFault::ForbiddenCharacter, "ser*ver"},
        // A name that ".." takes away again was typed all the same.
        {"C:\\what?\\..\\x", TypedFolderFault::ForbiddenCharacter, "what?"},
    };
    for (const auto& [typed, fault, name] : refused) {
        const TypedFolder read = ReadTypedFolder(typed);
        EXPECT_EQ(read.fault, fault) << typed;
        EXPECT_EQ(read.name, name) << typed;
    }
}

}  // namespace
