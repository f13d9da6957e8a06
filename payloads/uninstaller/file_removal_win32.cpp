// payloads/uninstaller/file_removal_win32.cpp
#include "payloads/uninstaller/file_removal.h"

#include <windows.h>

#include <random>

#include "support/busy_file.h"
#include "support/paths.h"

namespace {

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsDenied(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
}

// As the installer's rights probe: a file made in the folder and deleted through its handle. It
// catches what opening for deletion cannot everywhere: some file systems (Wine's among them)
// let a file be opened and marked for deletion, and even report it deleted, in a folder the user
// may not change.
bool MayChange(const HeldFolder& folder) {
    static std::random_device random;
    const Text name("tvl-uninstall-" + std::to_string(random()) + ".tmp");
    const OwnedHandle probe = folder.CreateNewFile(name);
    if (!probe.IsOpen()) {
        return !IsDenied(GetLastError());
    }
    file_handle::MarkForDeletion(probe.Get(), true);
    return true;
}

}  // namespace

FileRemoval::~FileRemoval() {
    GiveUp();
}

void FileRemoval::Add(const std::string& path, WhenDenied denied) {
    added_.push_back(path);
    OpenedFile entry;
    entry.paths.push_back(path);
    const std::string folderPath = FolderOf(path);
    entry.name = Text(path.substr(folderPath.size()));
    const auto deny = [&] {
        if (denied == WhenDenied::Refuse) {
            refused_.push_back(path);
        } else {
            obstacles_.needsAdministrator = true;
        }
    };
    if (!entry.folder.Open(Text(folderPath), false)) {
        const DWORD error = GetLastError();
        if (IsDenied(error)) {
            deny();
        } else if (!IsMissing(error)) {
            refused_.push_back(path);  // a link on the way, or not a folder name at all
        }
        return;
    }
    entry.file = entry.folder.OpenFile(entry.name, DELETE | FILE_WRITE_ATTRIBUTES);
    if (!entry.file.IsOpen()) {
        const DWORD error = GetLastError();
        if (IsDenied(error)) {
            deny();
        } else if (IsBusyFileError(error)) {
            obstacles_.inUse.push_back(path);
        } else if (!IsMissing(error)) {
            refused_.push_back(path);
        }
        return;
    }
    if (!file_handle::ReadIdentity(entry.file.Get(), entry.identity) ||
        !file_handle::ReadIdentity(entry.folder.Handle(), entry.folderIdentity) ||
        !file_handle::ReadAttributes(entry.file.Get(), entry.attributes)) {
        refused_.push_back(path);
        return;
    }
    for (OpenedFile& earlier : opened_) {
        if (earlier.identity == entry.identity && earlier.folderIdentity == entry.folderIdentity &&
            EqualsNoCase(earlier.name.View(), entry.name.View())) {
            earlier.paths.push_back(path);
            return;
        }
    }
    if (!MayChange(entry.folder)) {
        deny();
        return;
    }
    opened_.push_back(std::move(entry));
}

const RemovalObstacles& FileRemoval::Mark() {
    if (markTried_) {
        return obstacles_;
    }
    markTried_ = true;
    for (OpenedFile& entry : opened_) {
        if (!entry.file.IsOpen()) {
            continue;
        }
        // Windows deletes no read-only file. Its attribute is the file's, not the name's: with
        // another name elsewhere, that name would keep the change, so such a file stays.
        const bool readOnly = entry.attributes.Has(FileAttribute::ReadOnly);
        if (readOnly && entry.identity.links > 1) {
            refused_.insert(refused_.end(), entry.paths.begin(), entry.paths.end());
            entry.file.Close();
            continue;
        }
        if (readOnly && !file_handle::WriteAttributes(
                            entry.file.Get(), entry.attributes.Without(FileAttribute::ReadOnly))) {
            obstacles_.needsAdministrator = true;
            continue;
        }
        if (!file_handle::MarkForDeletion(entry.file.Get(), true)) {
            // Opened for deletion, yet it may not be deleted: a program has it loaded.
            if (readOnly) {
                file_handle::WriteAttributes(entry.file.Get(), entry.attributes);
            }
            obstacles_.inUse.push_back(entry.paths.front());
            continue;
        }
        entry.marked = true;
    }
    return obstacles_;
}

void FileRemoval::GiveUp() {
    for (OpenedFile& entry : opened_) {
        if (entry.marked) {
            file_handle::MarkForDeletion(entry.file.Get(), false);
            if (entry.attributes.Has(FileAttribute::ReadOnly)) {
                file_handle::WriteAttributes(entry.file.Get(), entry.attributes);
            }
            entry.marked = false;
        }
    }
    opened_.clear();
}

std::vector<std::string> FileRemoval::Finish() {
    if (Mark().Any()) {
        GiveUp();
        return added_;
    }
    std::vector<std::string> left = refused_;
    // Every handle first: a file marked through one name goes only when no handle is open on it
    // through any of its names.
    for (OpenedFile& entry : opened_) {
        entry.file.Close();
    }
    // Gone for certain: a file another program holds with deletion shared stays until that
    // program lets it go, and some file systems report a deletion that did not happen.
    for (OpenedFile& entry : opened_) {
        if (entry.marked) {
            const OwnedHandle still = entry.folder.OpenFile(entry.name, FILE_READ_ATTRIBUTES);
            std::vector<std::string>& outcome =
                still.IsOpen() || !IsMissing(GetLastError()) ? left : removed_;
            outcome.insert(outcome.end(), entry.paths.begin(), entry.paths.end());
        }
    }
    opened_.clear();
    return left;
}
