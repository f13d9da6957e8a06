// discovery/host_finder.cpp
#include "discovery/host_finder.h"

#include "discovery/host_folder_rule.h"
#include "support/held_folder.h"

HostFinder::HostFinder(HostList& hosts) : hosts_(&hosts) {
    directoriesOnly = true;
}

HostFinder::~HostFinder() = default;

// Files are skipped before any call.
void HostFinder::VisitFile(const Text&) {}

bool HostFinder::VisitDirectory(const DirectoryEntry& entry, const Text& path) {
    // A junction or link that a program without rights may have made is neither shown, entered
    // nor taken for a host: the plug-in would be written wherever it points. The installer
    // writes only into folders it can hold, so a link is entered only where it could hold one.
    if (entry.attributes.Has(FileAttribute::ReparsePoint) && !HeldFolder().Open(path, false)) {
        return false;
    }
    const FolderVerdict verdict = RecogniseHostFolder(entry.attributes, entry.name, path, *hosts_);
    if (verdict != FolderVerdict::Excluded) {
        ReportEvent(path.CStr());
    }
    return verdict == FolderVerdict::Descend;
}
