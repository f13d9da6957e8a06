// discovery/host_folder_rule.cpp
#include "discovery/host_folder_rule.h"

#include "resources/install_contract.h"

namespace {

constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kTemporary = 0x100;
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kBit20000 = 0x20000;

struct KnownHost {
    const char* pathPart;
    const char* displayName;
    const char* key;
};

// The first that the lower-cased path contains decides: "photoshop" anywhere beats the rest,
// and "corel painter" must come before "corel".
constexpr KnownHost kKnownHosts[] = {
    {"photoshop", "Photoshop", "photoshop"},
    {"corel painter", "Corel Painter", "painter"},
    {"corel", "Corel Products", "corel"},
    {"paint shop pro", "Paint Shop Pro", "paintshoppro"},
};

bool IsExcludedFromSearch(std::uint32_t attributes) {
    return (attributes & (kHidden | kSystem | kTemporary | kOffline | kBit20000)) != 0;
}

}  // namespace

Text KnownHostName(const Text& key) {
    for (const KnownHost& host : kKnownHosts) {
        if (key == host.key) {
            return Text(host.displayName);
        }
    }
    return Text();
}

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
            AddHost(hosts, host.displayName, path + contract::kHostPluginSubfolder, host.key);
            return FolderVerdict::HostFound;
        }
    }
    return FolderVerdict::Descend;
}
