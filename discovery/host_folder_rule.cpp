// discovery/host_folder_rule.cpp
#include "discovery/host_folder_rule.h"

#include "resources/install_layout.h"

namespace {

constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kTemporary = 0x100;
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kBit20000 = 0x20000;

bool IsExcludedFromSearch(std::uint32_t attributes) {
    return (attributes & (kHidden | kSystem | kTemporary | kOffline | kBit20000)) != 0;
}

}  // namespace

FolderVerdict RecogniseHostFolder(std::uint32_t attributes, const Text& name, const Text& fullPath,
                                  HostList& hosts) {
    if (IsExcludedFromSearch(attributes)) {
        return FolderVerdict::Excluded;
    }
    Text start = name.Left(4);
    if (start.MakeLower() != "plug") {
        return FolderVerdict::Descend;
    }
    Text path = fullPath;
    path.MakeLower();
    for (const KnownHost& host : kKnownHosts) {
        if (path.Find(host.pathPart) != Text::kNotFound) {
            AddHost(hosts, host.displayName, HostPluginFolderIn(path.Bytes()), host.key);
            return FolderVerdict::HostFound;
        }
    }
    return FolderVerdict::Descend;
}
