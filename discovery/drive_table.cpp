// discovery/drive_table.cpp
#include "discovery/drive_table.h"

#include <iterator>
#include <optional>

namespace {

std::optional<DriveQueries> replacedQueries;
std::optional<DriveTable> keptTable;

// Each DriveKind's mask, in the kinds' order.
constexpr std::uint32_t DriveTable::*kMasks[] = {&DriveTable::all, &DriveTable::removable,
                                                 &DriveTable::fixed, &DriveTable::cdRom,
                                                 &DriveTable::remote};

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
        const auto kind = static_cast<std::size_t>(queries.driveKind(root));
        // The drive stays in all and in its own kind's mask only.
        for (std::size_t other = 1; other < std::size(kMasks); ++other) {
            if (other != kind) {
                table.*kMasks[other] &= ~bit;
            }
        }
    }
    return table;
}

std::vector<std::string> DriveRoots(const DriveTable& table, DriveKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    const std::uint32_t mask = index < std::size(kMasks) ? table.*kMasks[index] : 0;
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
