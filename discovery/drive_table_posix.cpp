// discovery/drive_table_posix.cpp
#include "discovery/drive_table.h"

namespace {

std::uint32_t NoDrives() {
    return 0;
}

DriveKind NoKind(const char*) {
    return DriveKind::AllDrives;
}

}  // namespace

// There are no drive letters off Windows.
DriveQueries SystemDriveQueries() {
    return DriveQueries{&NoDrives, &NoKind};
}
