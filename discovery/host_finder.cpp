// discovery/host_finder.cpp
#include "discovery/host_finder.h"

#include "discovery/host_folder_rule.h"
#include "support/link_trust.h"

namespace {

constexpr std::uint32_t kReparsePoint = 0x400;

// A junction or link that a program without rights may have made is neither shown, entered
// nor taken for a host: the plug-in would be written wherever it points.
bool IsUntrustedLink(const DirectoryEntry& entry, const Text& path) {
    return (entry.attributes & kReparsePoint) != 0 &&
           !MayFollowLinkAt(path.Left(path.Length() - 1));
}

}  // namespace

HostFinder::HostFinder(HostList& hosts) : hosts_(&hosts) {
    directoriesOnly = true;
}

HostFinder::~HostFinder() = default;

// Files are skipped before any call.
void HostFinder::VisitFile(const Text&) {}

bool HostFinder::VisitDirectory(const DirectoryEntry& entry, const Text& path) {
    if (IsUntrustedLink(entry, path)) {
        return false;
    }
    const FolderVerdict verdict = RecogniseHostFolder(entry.attributes, entry.name, path, *hosts_);
    if (verdict != FolderVerdict::Excluded) {
        ReportEvent(path.CStr());
    }
    return verdict == FolderVerdict::Descend;
}
