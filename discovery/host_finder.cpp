// discovery/host_finder.cpp
#include "discovery/host_finder.h"

#include "discovery/host_folder_rule.h"
#include "support/link_trust.h"

namespace {

constexpr std::uint32_t kReparsePoint = 0x400;

// Strictly below: a later walk over another root may meet the same link again.
bool IsBelow(const Text& path, const Text& folder) {
    return path.Length() > folder.Length() && path.Left(folder.Length()) == folder;
}

}  // namespace

HostFinder::HostFinder(HostList& hosts) : hosts_(&hosts) {
    directoriesOnly = true;
}

HostFinder::~HostFinder() = default;

// Files are skipped before any call.
void HostFinder::VisitFile(const Text&) {}

bool HostFinder::VisitDirectory(const DirectoryEntry& entry, const Text& path) {
    // A junction or link that a program without rights may have made is neither shown, entered
    // nor taken for a host: the plug-in would be written wherever it points.
    if ((entry.attributes & kReparsePoint) != 0) {
        for (const Text& followed : followedLinks_) {
            if (IsBelow(path, followed)) {
                return false;
            }
        }
        if (!MayFollowLinkAt(path.Left(path.Length() - 1))) {
            return false;
        }
        followedLinks_.push_back(path);
    }
    const FolderVerdict verdict = RecogniseHostFolder(entry.attributes, entry.name, path, *hosts_);
    if (verdict != FolderVerdict::Excluded) {
        ReportEvent(path.CStr());
    }
    return verdict == FolderVerdict::Descend;
}
