// discovery/drive_table_win32.cpp
#include <windows.h>

#include "discovery/drive_table.h"

namespace {

std::uint32_t PresentDrives() {
    return GetLogicalDrives();
}

DriveKind KindOf(const char* root) {
    switch (GetDriveTypeA(root)) {
        case DRIVE_REMOVABLE:
            return DriveKind::Removable;
        case DRIVE_FIXED:
            return DriveKind::Fixed;
        case DRIVE_CDROM:
            return DriveKind::CdRom;
        case DRIVE_REMOTE:
            return DriveKind::Remote;
        default:
            return DriveKind::AllDrives;
    }
}

}  // namespace

DriveQueries SystemDriveQueries() {
    return DriveQueries{&PresentDrives, &KindOf};
}
