// discovery/drive_table_posix.cpp
#include "discovery/drive_table.h"

namespace {

std::uint32_t NoDrives() {
    return 0;
}

unsigned UnknownType(const char*) {
    return 0;
}

}  // namespace

// There are no drive letters off Windows.
DriveQueries SystemDriveQueries() {
    return DriveQueries{&NoDrives, &UnknownType};
}
