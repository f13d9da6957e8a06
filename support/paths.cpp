// support/paths.cpp
#include "support/paths.h"

#include <algorithm>
#include <string_view>
#include <utility>

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

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

bool IsFullDirectoryPath(const std::string& text) {
    if (text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == ':' && text[2] == '\\') {
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

std::string RootOf(const std::string& path, std::size_t& namesStart) {
    if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2])) {
        namesStart = 3;
        return IsDriveLetter(path[0]) ? path.substr(0, 2) + "\\" : std::string();
    }
    if (path.size() < 5 || path.compare(0, 2, "\\\\") != 0) {
        return std::string();
    }
    const std::size_t serverEnd = path.find_first_of("\\/", 2);
    const std::size_t shareEnd =
        serverEnd == std::string::npos ? serverEnd : path.find_first_of("\\/", serverEnd + 1);
    if (shareEnd == std::string::npos) {
        return std::string();
    }
    const std::string server = path.substr(2, serverEnd - 2);
    const std::string share = path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    // "\\?\" and "\\.\" name devices and raw paths, not a server.
    if (!IsPlainName(std::string_view(server)) || !IsPlainName(std::string_view(share))) {
        return std::string();
    }
    namesStart = shareEnd + 1;
    return "\\\\" + server + "\\" + share + "\\";
}

std::vector<std::string> NamesFrom(const std::string& path, std::size_t start) {
    std::vector<std::string> names;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        if (end > start) {
            names.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return names;
}

namespace {

TypedFolderFault NameFault(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            return TypedFolderFault::ForbiddenCharacter;
        }
    }
    if (IsDeviceName(std::string_view(name))) {
        return TypedFolderFault::DeviceName;
    }
    if (name.back() == '.' || name.back() == ' ') {
        return TypedFolderFault::EndsInDotOrSpace;
    }
    return TypedFolderFault::None;
}

TypedFolder Fault(TypedFolderFault fault, const std::string& name = std::string()) {
    TypedFolder refused;
    refused.fault = fault;
    refused.name = name;
    return refused;
}

}  // namespace

TypedFolder ReadTypedFolder(const std::string& text) {
    std::string root;
    std::size_t namesStart = 0;
    if (text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == ':' && IsSeparator(text[2])) {
        root = text.substr(0, 2) + "\\";
        namesStart = 3;
    } else if (text.size() >= 2 && IsSeparator(text[0]) && IsSeparator(text[1])) {
        // The server's and the share's names belong to the root, which ".." never leaves.
        const std::size_t serverEnd = std::min(text.find_first_of("\\/", 2), text.size());
        const std::size_t shareStart = std::min(serverEnd + 1, text.size());
        const std::size_t shareEnd = std::min(text.find_first_of("\\/", shareStart), text.size());
        const std::string server = text.substr(2, serverEnd - 2);
        const std::string share = text.substr(shareStart, shareEnd - shareStart);
        for (const std::string& name : {server, share}) {
            // "\\?\" and "\\.\" reach devices and raw paths, not a server.
            if (name.empty() || name == "." || name == ".." || name == "?") {
                return Fault(TypedFolderFault::NotFullPath);
            }
            const TypedFolderFault fault = NameFault(name);
            if (fault != TypedFolderFault::None) {
                return Fault(fault, name);
            }
        }
        root = "\\\\" + server + "\\" + share + "\\";
        namesStart = shareEnd + 1;
    } else {
        return Fault(TypedFolderFault::NotFullPath);
    }
    std::vector<std::string> names;
    for (const std::string& name : NamesFrom(text, namesStart)) {
        if (name == ".") {
            continue;
        }
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
            continue;
        }
        const TypedFolderFault fault = NameFault(name);
        if (fault != TypedFolderFault::None) {
            return Fault(fault, name);
        }
        names.push_back(name);
    }
    TypedFolder read;
    read.folder = root;
    for (std::size_t i = 0; i < names.size(); ++i) {
        read.folder += names[i];
        if (i + 1 < names.size() || IsSeparator(text.back())) {
            read.folder += "\\";
        }
    }
    read.root = root;
    read.names = std::move(names);
    return read;
}
