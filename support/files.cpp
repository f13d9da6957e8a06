// support/files.cpp
#include "support/files.h"

#include "support/paths.h"

bool IsDirectory(const Text& path) {
    std::uint32_t attributes = 0;
    return ReadFileAttributes(path, attributes) && (attributes & kAttributeDirectory) != 0;
}

bool MakeDirectories(const Text& path) {
    const Text canonical(ToSlashDirectory(path.Bytes()));
    if (IsDirectory(canonical)) {
        return true;
    }
    Text parent = canonical;
    parent.TakeField("/", -2);
    // A path of separators only has no component to remove: its parent is itself again.
    if (ToSlashDirectory(parent.Bytes()) == canonical.Bytes()) {
        return false;
    }
    if (!MakeDirectories(parent)) {
        return false;
    }
    return CreateOneDirectory(canonical);
}
