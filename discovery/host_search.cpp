// discovery/host_search.cpp
#include "discovery/host_search.h"

#include "discovery/drive_table.h"
#include "discovery/host_finder.h"
#include "discovery/search_progress.h"
#include "support/special_folder.h"

std::vector<Text> ProgramFilesRoots() {
    std::vector<Text> roots{ProgramFilesFolder()};
    Text x86;
    if (SpecialFolder(kFolderProgramFilesX86, x86) &&
        !EqualsNoCase(x86.View(), roots.front().View())) {
        roots.push_back(x86);
    }
    return roots;
}

std::vector<Text> FixedDriveRoots() {
    const std::vector<std::string> roots = ListDriveRoots(DriveKind::Fixed);
    return std::vector<Text>(roots.begin(), roots.end());
}

bool SearchRoots(SearchProgress& progress, HostFinder& finder, const std::vector<Text>& roots) {
    for (const Text& root : roots) {
        if (!progress.RunWalk(finder, root, kSearchDepth)) {
            return false;
        }
    }
    // Confirmed on the walk's last line, after the walker last looked: still a quit.
    return progress.cancelRequested == 0;
}
