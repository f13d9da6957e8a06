// support/paths.cpp
#include "support/paths.h"

#include <algorithm>

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

std::string WithTrailingSeparator(const std::string& directory) {
    if (directory.empty() || directory.back() == '\\' || directory.back() == '/') {
        return directory;
    }
    return directory + "\\";
}

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool IsFullDirectoryPath(const std::string& text) {
    const bool driveLetter =
        text.size() >= 3 &&
        ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
        text[1] == ':' && text[2] == '\\';
    if (driveLetter) {
        return true;
    }
    if (text.size() < 5 || text[0] != '\\' || text[1] != '\\') {
        return false;
    }
    // "\\server\share\": a server name, a share name, each followed by a separator. Windows
    // reads "/" as "\" too, so "\\/share\" has no server and "\\server\/x\" no share.
    const std::size_t serverEnd = text.find_first_of("\\/", 2);
    if (serverEnd == std::string::npos || serverEnd == 2) {
        return false;
    }
    const std::size_t shareEnd = text.find_first_of("\\/", serverEnd + 1);
    return shareEnd != std::string::npos && shareEnd > serverEnd + 1;
}

std::string DeviceNameIn(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        const std::string name = path.substr(start, end - start);
        if (!name.empty() && IsDeviceName(std::string_view(name))) {
            return name;
        }
        start = end + 1;
    }
    return std::string();
}
