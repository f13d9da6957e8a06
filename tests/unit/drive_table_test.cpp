// tests/unit/drive_table_test.cpp
#include "discovery/drive_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Roots = std::vector<std::string>;

int typeQueries = 0;

// A: (removable), F: fixed, G: CD-ROM, H: fixed, N: remote, R: RAM disk, B: fixed.
std::uint32_t SomeDrives() {
    return (1u << 0) | (1u << 1) | (1u << 5) | (1u << 6) | (1u << 7) | (1u << 13) | (1u << 17);
}

DriveKind SomeTypes(const char* root) {
    ++typeQueries;
    switch (root[0]) {
        case 'A':
            return DriveKind::Removable;
        case 'B':
        case 'F':
        case 'H':
            return DriveKind::Fixed;
        case 'G':
            return DriveKind::CdRom;
        case 'N':
            return DriveKind::Remote;
        default:
            return DriveKind::AllDrives;
    }
}

TEST(DriveTableTest, ClassifiesEachPresentDriveButNeverAOrB) {
    typeQueries = 0;
    const DriveTable table = BuildDriveTable({&SomeDrives, &SomeTypes});
    EXPECT_EQ(DriveRoots(table, DriveKind::Fixed), (Roots{"F:\\", "H:\\"}));
    EXPECT_EQ(DriveRoots(table, DriveKind::AllDrives),
              (Roots{"F:\\", "G:\\", "H:\\", "N:\\", "R:\\"}));
    EXPECT_EQ(DriveRoots(table, DriveKind::CdRom), (Roots{"G:\\"}));
    EXPECT_EQ(DriveRoots(table, DriveKind::Remote), (Roots{"N:\\"}));
    EXPECT_TRUE(DriveRoots(table, DriveKind::Removable).empty());
    EXPECT_TRUE(DriveRoots(table, static_cast<DriveKind>(9)).empty());
    EXPECT_EQ(typeQueries, 5) << "one query per present drive after B:";
}

TEST(DriveTableTest, NoDrivesGiveNoRoots) {
    const DriveTable table = BuildDriveTable({[] { return 0u; }, &SomeTypes});
    EXPECT_TRUE(DriveRoots(table, DriveKind::AllDrives).empty());
}

TEST(DriveTableTest, ListDriveRootsClassifiesOnceAndKeepsTheTable) {
    typeQueries = 0;
    const DriveQueries previous = ReplaceDriveQueries({&SomeDrives, &SomeTypes});
    EXPECT_EQ(ListDriveRoots(DriveKind::Fixed), (Roots{"F:\\", "H:\\"}));
    EXPECT_EQ(ListDriveRoots(DriveKind::CdRom), (Roots{"G:\\"}));
    EXPECT_EQ(typeQueries, 5);
    ReplaceDriveQueries(previous);
}

}  // namespace
