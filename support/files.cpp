// support/files.cpp
#include "support/files.h"

#include "support/held_folder.h"
#include "support/paths.h"

bool IsDirectory(const Text& path) {
    std::uint32_t attributes = 0;
    return ReadFileAttributes(path, attributes) && (attributes & kAttributeDirectory) != 0;
}

bool MakeDirectories(const Text& path) {
    // Each folder is made and opened through its parent's handle, so that no link that a program
    // without rights slipped into the path decides where the folders go.
    HeldFolder folder;
    return folder.Open(Text(ToSlashDirectory(path.Bytes())), true);
}
