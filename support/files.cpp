// support/files.cpp
#include "support/files.h"

#include "support/held_folder.h"
#include "support/paths.h"

bool IsDirectory(const Text& path) {
    FileAttributes attributes;
    return ReadFileAttributes(path, attributes) && attributes.Has(FileAttribute::Directory);
}

bool MakeDirectories(const Text& path) {
    // Each folder is made and opened through its parent's handle, so that no link that a program
    // without rights slipped into the path decides where the folders go.
    HeldFolder folder;
    return folder.Open(Text(ToSlashDirectory(path.Bytes())), true);
}
