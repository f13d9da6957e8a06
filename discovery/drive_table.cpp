// discovery/drive_table.cpp
#include "discovery/drive_table.h"

#include <optional>

namespace {

std::optional<DriveQueries> replacedQueries;
std::optional<DriveTable> keptTable;

std::uint32_t MaskOf(const DriveTable& table, DriveKind kind) {
    switch (kind) {
        case DriveKind::AllDrives:
            return table.all;
        case DriveKind::Removable:
            return table.removable;
        case DriveKind::Fixed:
            return table.fixed;
        case DriveKind::CdRom:
            return table.cdRom;
        case DriveKind::Remote:
            return table.remote;
    }
    return 0;
}

}  // namespace

DriveTable BuildDriveTable(const DriveQueries& queries) {
    const std::uint32_t present = queries.presentDrives() & ~std::uint32_t{0x3};
    DriveTable table{present, present, present, present, present};
    for (int letter = 2; letter < 26; ++letter) {
        const std::uint32_t bit = std::uint32_t{1} << letter;
        if ((present & bit) == 0) {
            continue;
        }
        const char root[] = {static_cast<char>('A' + letter), ':', '\\', '\0'};
        const DriveKind kind = queries.driveKind(root);
        if (kind != DriveKind::Removable)
            table.removable &= ~bit;
        if (kind != DriveKind::Fixed)
            table.fixed &= ~bit;
        if (kind != DriveKind::CdRom)
            table.cdRom &= ~bit;
        if (kind != DriveKind::Remote)
            table.remote &= ~bit;
    }
    return table;
}

std::vector<std::string> DriveRoots(const DriveTable& table, DriveKind kind) {
    const std::uint32_t mask = MaskOf(table, kind);
    std::vector<std::string> roots;
    for (int letter = 0; letter < 26; ++letter) {
        if ((mask & (std::uint32_t{1} << letter)) != 0) {
            roots.push_back(std::string{static_cast<char>('A' + letter), ':', '\\'});
        }
    }
    return roots;
}

std::vector<std::string> ListDriveRoots(DriveKind kind) {
    if (!keptTable) {
        keptTable = BuildDriveTable(replacedQueries ? *replacedQueries : SystemDriveQueries());
    }
    return DriveRoots(*keptTable, kind);
}

DriveQueries ReplaceDriveQueries(const DriveQueries& queries) {
    const DriveQueries previous = replacedQueries ? *replacedQueries : SystemDriveQueries();
    replacedQueries = queries;
    keptTable.reset();
    return previous;
}
