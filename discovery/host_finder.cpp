// discovery/host_finder.cpp
#include "discovery/host_finder.h"

#include "discovery/host_folder_rule.h"

HostFinder::HostFinder(HostList& hosts) : hosts_(&hosts) {
    directoriesOnly = true;
}

HostFinder::~HostFinder() = default;

// Files are skipped before any call.
void HostFinder::VisitFile(const Text&) {}

bool HostFinder::VisitDirectory(const DirectoryEntry& entry, const Text& path) {
    const FolderVerdict verdict = RecogniseHostFolder(entry.attributes, entry.name, path, *hosts_);
    if (verdict != FolderVerdict::Excluded) {
        ReportEvent(path.CStr());
    }
    return verdict == FolderVerdict::Descend;
}
