// discovery/host_folder_rule.cpp
#include "discovery/host_folder_rule.h"

#include "resources/install_layout.h"

namespace {

bool IsExcludedFromSearch(const FileAttributes& attributes) {
    return attributes.HasAny({FileAttribute::Hidden, FileAttribute::System,
                              FileAttribute::Temporary, FileAttribute::Offline,
                              FileAttribute::NoScrubData});
}

}  // namespace

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
            AddHost(hosts, host.displayName, HostPluginFolderIn(path.Bytes()), host.key);
            return FolderVerdict::HostFound;
        }
    }
    return FolderVerdict::Descend;
}
