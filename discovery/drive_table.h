// discovery/drive_table.h
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class DriveKind : std::int32_t {
    AllDrives = 0,
    Removable = 1,
    Fixed = 2,
    CdRom = 3,
    Remote = 4,
};

// Bit i of each mask stands for drive letter A + i.
struct DriveTable {
    std::uint32_t all = 0;
    std::uint32_t removable = 0;
    std::uint32_t fixed = 0;
    std::uint32_t cdRom = 0;
    std::uint32_t remote = 0;
};

// The system's answers: which drive letters are there (a bit each, as in DriveTable), and what
// kind of drive one is (root as "C:\"; AllDrives for one of no other kind).
struct DriveQueries {
    std::uint32_t (*presentDrives)();
    DriveKind (*driveKind)(const char* root);
};

// Classifies the present drives; A: and B: are never part of it.
DriveTable BuildDriveTable(const DriveQueries& queries);

// "D:\" for each drive of the kind, in letter order; none for an unknown kind.
std::vector<std::string> DriveRoots(const DriveTable& table, DriveKind kind);

// The same for this machine's drives, classified once on first use and kept for the process.
std::vector<std::string> ListDriveRoots(DriveKind kind);

// The system's own queries.
DriveQueries SystemDriveQueries();
// Tests classify drives of their own; forgets the kept table. Returns the queries replaced.
DriveQueries ReplaceDriveQueries(const DriveQueries& queries);
