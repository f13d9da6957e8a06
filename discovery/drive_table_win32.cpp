// discovery/drive_table_win32.cpp
#include <windows.h>

#include "discovery/drive_table.h"

namespace {

std::uint32_t PresentDrives() {
    return GetLogicalDrives();
}

unsigned DriveType(const char* root) {
    return GetDriveTypeA(root);
}

}  // namespace

DriveQueries SystemDriveQueries() {
    return DriveQueries{&PresentDrives, &DriveType};
}
