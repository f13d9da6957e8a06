// payloads/uninstaller/file_removal.h
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/held_folder.h"
#include "support/owned_handle.h"

// Why the files cannot all be removed, found before any is.
struct RemovalObstacles {
    // A file or its folder may not be changed by this user: only an administrator can go on.
    bool needsAdministrator = false;
    // Files a program holds open without sharing deletion, or has loaded as a program or library.
    std::vector<std::string> inUse;

    bool Any() const { return needsAdministrator || !inUse.empty(); }
};

// Removes files all together or not at all. Each file is opened through its held folder (no
// link on the way that a program without rights could have made) and marked for deletion
// through its handle; the marks take effect only when Finish lets the handles go, and only if
// every file could be marked. Otherwise the marks are taken back when the object goes.
class FileRemoval {
public:
    FileRemoval() = default;
    FileRemoval(const FileRemoval&) = delete;
    FileRemoval& operator=(const FileRemoval&) = delete;
    ~FileRemoval();

    // Opens and marks path (a full path). A file that is missing already counts as removed.
    void Add(const std::string& path);
    const RemovalObstacles& Obstacles() const { return obstacles_; }
    // With no obstacle: lets every marked file go, and answers the files that are still there
    // (and those that could not be reached safely), which stay with their records. With an
    // obstacle: nothing is removed, and the answer is every file added.
    std::vector<std::string> Finish();

private:
    struct MarkedFile {
        std::string path;
        Text name;
        HeldFolder folder;
        OwnedHandle file;
        std::uint32_t attributes = 0;  // as found, to put back when the removal is given up
    };
    void GiveUp();

    std::vector<MarkedFile> marked_;
    std::vector<std::string> refused_;
    std::vector<std::string> added_;
    RemovalObstacles obstacles_;
};
