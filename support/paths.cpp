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
