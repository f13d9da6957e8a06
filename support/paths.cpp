// support/paths.cpp
#include "support/paths.h"

#include "support/text.h"

std::string ToSlashDirectory(const std::string& path) {
    Text canonical(path);
    canonical.Append("/");
    canonical.ReplaceAll("\\", "/", 2);
    canonical.ReplaceRepeatedly("//", "/", 1);
    return canonical.Bytes();
}

bool ParentDirectory(const Text& canonical, Text& parent) {
    Text shorter = canonical;
    shorter.TakeField("/", -2);
    parent = Text(ToSlashDirectory(shorter.Bytes()));
    // A path of separators only has no component to remove: its parent is itself again.
    return parent.Length() < canonical.Length();
}
