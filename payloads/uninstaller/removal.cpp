// payloads/uninstaller/removal.cpp
#include "payloads/uninstaller/removal.h"

#include "support/held_folder.h"
#include "support/paths.h"

bool FileIsThere(const std::string& path) {
    const std::string folder = FolderOf(path);
    HeldFolder held;
    return held.Open(Text(folder), false) &&
           held.OpenFile(Text(path.substr(folder.size())), HeldFolder::kAttributesOnly).IsOpen();
}

void RemoveFolderIfEmpty(const std::string& folder) {
    const std::string path = folder.substr(0, folder.find_last_not_of("\\/") + 1);
    const std::string parent = FolderOf(path);
    HeldFolder held;
    if (!parent.empty() && held.Open(Text(parent), false)) {
        held.RemoveEmptyFolder(Text(path.substr(parent.size())));
    }
}
