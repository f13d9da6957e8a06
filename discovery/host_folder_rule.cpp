// discovery/host_folder_rule.cpp
#include "discovery/host_folder_rule.h"

#include "resources/install_contract.h"

namespace {

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

bool IsExcludedFromSearch(const FileAttributes& attributes) {
    return attributes.HasAny({FileAttribute::Hidden, FileAttribute::System,
                              FileAttribute::Temporary, FileAttribute::Offline,
                              FileAttribute::NoScrubData});
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

FolderVerdict RecogniseHostFolder(const FileAttributes& attributes, const Text& name,
                                  const Text& fullPath, HostList& hosts) {
    if (IsExcludedFromSearch(attributes)) {
        return FolderVerdict::Excluded;
    }
    if (!EqualsNoCase(name.Left(4).View(), "plug")) {
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
