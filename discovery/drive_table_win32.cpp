// discovery/drive_table_win32.cpp
#include <windows.h>

#include "discovery/drive_table.h"

namespace {

std::uint32_t PresentDrives() {
    return GetLogicalDrives();
}

DriveKind KindOf(const char* root) {
    const UINT type = GetDriveTypeA(root);
    return type == DRIVE_REMOVABLE ? DriveKind::Removable
           : type == DRIVE_FIXED   ? DriveKind::Fixed
           : type == DRIVE_CDROM   ? DriveKind::CdRom
           : type == DRIVE_REMOTE  ? DriveKind::Remote
                                   : DriveKind::AllDrives;
}

}  // namespace

DriveQueries SystemDriveQueries() {
    return DriveQueries{&PresentDrives, &KindOf};
}
