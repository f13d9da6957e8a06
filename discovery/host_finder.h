// discovery/host_finder.h
#pragma once

#include "discovery/directory_walker.h"
#include "discovery/host_record.h"

// The host search's walker: shows every directory it examines in the log and records each
// known host's plug-in folder in the host list, which it does not own.
class HostFinder : public DirectoryWalker {
public:
    explicit HostFinder(HostList& hosts);
    ~HostFinder() override;

protected:
    void VisitFile(const Text& path) override;
    bool VisitDirectory(const DirectoryEntry& entry, const Text& path) override;

private:
    HostList* hosts_;
};
