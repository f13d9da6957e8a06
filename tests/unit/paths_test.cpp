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

}  // namespace
