// payloads/uninstaller/file_removal.h
#pragma once

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

    // What a file that this user may not change means: that only an administrator can go on
    // (the install folder's files), or, in a folder that anyone may have made and closed to
    // administrators (a host's), that the file stays and is named.
    enum class WhenDenied { AskForAdministrator, Refuse };
    // Opens path (a full path) for deletion. A file that is missing already counts as removed;
    // the same name of the same folder added before (in another case, or through another path
    // to the folder) is removed once. Another name of the same file is a name of its own.
    void Add(const std::string& path, WhenDenied denied = WhenDenied::AskForAdministrator);
    // Marks every file added, once; what keeps the removal back.
    const RemovalObstacles& Mark();
    // With no obstacle: lets every marked file go, and answers the paths added whose files are
    // still there (and those that could not be reached safely, or not removed without changing
    // a file that has another name too), which stay with their records. With an obstacle:
    // nothing is removed, and the answer is every path added.
    std::vector<std::string> Finish();
    // The paths that Finish answers because they were not reached safely (a link on the way, a
    // name that is no plain name) or not removed because that would change a file that has
    // another name.
    const std::vector<std::string>& Refused() const { return refused_; }
    // The paths whose files Finish removed, not those that were missing already.
    const std::vector<std::string>& Removed() const { return removed_; }

private:
    struct OpenedFile {
        std::vector<std::string> paths;  // every name it was added by
        Text name;
        HeldFolder folder;
        OwnedHandle file;
        file_handle::FileIdentity identity;
        file_handle::FileIdentity folderIdentity;
        FileAttributes attributes;  // as found, to put back when the removal is given up
        bool marked = false;
    };
    void GiveUp();

    std::vector<OpenedFile> opened_;
    std::vector<std::string> refused_;
    std::vector<std::string> removed_;
    std::vector<std::string> added_;
    RemovalObstacles obstacles_;
    bool markTried_ = false;
};
