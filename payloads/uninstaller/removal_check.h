// payloads/uninstaller/removal_check.h
#pragma once

#include <string>
#include <vector>

// Why the files cannot all be removed, found before anything is.
struct RemovalObstacles {
    // A file or its folder may not be changed by this user: only an administrator can go on.
    bool needsAdministrator = false;
    // Files another program holds open without letting them be deleted.
    std::vector<std::string> inUse;

    bool Any() const { return needsAdministrator || !inUse.empty(); }
};

// Opens every file that exists for deletion and creates and deletes a file in each of their
// folders. The second catches what the first cannot everywhere: some file systems (Wine's among
// them) let a file be opened for deletion, and even report it deleted, in a folder the user may
// not change.
RemovalObstacles FindRemovalObstacles(const std::vector<std::string>& files);
