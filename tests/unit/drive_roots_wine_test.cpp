// tests/unit/drive_roots_wine_test.cpp
// The drives of the test prefix as Wine reports them: C: and the mapped F: are fixed disks, Z:
// (the Linux tree) is set up as a network drive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/drive_table.h"

namespace {

TEST(DriveRootsWineTest, FixedDrivesOfThePrefixInLetterOrder) {
    const DriveQueries previous = ReplaceDriveQueries(SystemDriveQueries());
    EXPECT_EQ(ListDriveRoots(DriveKind::Fixed), (std::vector<std::string>{"C:\\", "F:\\"}));
    EXPECT_EQ(ListDriveRoots(DriveKind::Remote), (std::vector<std::string>{"Z:\\"}));
    const std::vector<std::string> all = ListDriveRoots(DriveKind::AllDrives);
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all.front(), "C:\\");
    ReplaceDriveQueries(previous);
}

}  // namespace
