// support/files.cpp
#include "support/files.h"

#include "support/paths.h"

bool IsDirectory(const Text& path) {
    std::uint32_t attributes = 0;
    return ReadFileAttributes(path, attributes) && (attributes & kAttributeDirectory) != 0;
}

bool MakeDirectories(const Text& path) {
    const Text canonical(ToSlashDirectory(path.Bytes()));
    if (canonical.Length() > kLongestDirectoryPath) {
        return false;  // its parents could be made, it could not
    }
    if (IsDirectory(canonical)) {
        return true;
    }
    Text parent;
    if (!ParentDirectory(canonical, parent) || !MakeDirectories(parent)) {
        return false;
    }
    return CreateOneDirectory(canonical);
}
