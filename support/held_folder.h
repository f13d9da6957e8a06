// support/held_folder.h
#pragma once

#include <cstdint>
#include <vector>

#include "support/file_attributes.h"
#include "support/owned_handle.h"
#include "support/text.h"

// A folder opened from the root of its drive or share one name at a time, every folder on the
// way held open without sharing deletion. While it is held no folder on its path can be
// renamed, moved or deleted, so the files created in it or removed from it through its handle
// are in the folder that was checked, whatever another program does to the path meanwhile. One
// junction or symbolic link on the way is crossed, where MayFollowLinkAt allows it: the link is
// held, and the target that its own reparse data names is opened the same way from its root.
// Any other link refuses the folder, a second one behind the first included, as do a link whose
// data cannot be read or names no drive-letter path, and a name that is not a plain folder name
// ("..", a stream, a device).
class HeldFolder {
public:
    HeldFolder() = default;
    HeldFolder(HeldFolder&&) noexcept = default;
    HeldFolder& operator=(HeldFolder&&) noexcept = default;
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

    // Opens folder (a full path, "\" or "/" between names); with create, makes the folders that
    // are missing, parents first. A path longer than kLongestDirectoryPath is refused before
    // anything is made. False with the system's last error set; folders made before a failure
    // stay.
    bool Open(const Text& folder, bool create);
    bool IsOpen() const { return !chain_.empty(); }
    // The folder as opened, ending with "\".
    const Text& Path() const { return path_; }
    void* Handle() const { return chain_.back().Get(); }

    // Every handle opened here may read attributes; access asks for more, as the system's mask.
    static constexpr std::uint32_t kAttributesOnly = 0;

    // A file, or a sub-folder, of this folder by name, not following a link in its place (a link
    // is refused); shared for reading, writing and deletion.
    OwnedHandle OpenFile(const Text& name, std::uint32_t access) const;
    OwnedHandle OpenFolder(const Text& name, std::uint32_t access) const;
    // A file that did not exist: created and opened for writing and deletion in one step,
    // shared for reading only. Empty, with the last error set, when the name is taken.
    OwnedHandle CreateNewFile(const Text& name) const;
    // Removes an empty sub-folder by name; a link in its place, or a folder with anything in
    // it, stays.
    bool RemoveEmptyFolder(const Text& name) const;

private:
    // A file or a folder (kind, the system's option that says which), refusing a link.
    OwnedHandle OpenEntry(const Text& name, std::uint32_t access, std::uint32_t kind) const;

    std::vector<OwnedHandle> chain_;
    Text path_;
};

// What is done to an open file through its handle. Each answers whether the system call
// succeeded, with its last error set when not.
namespace file_handle {
// Marks (or unmarks) the file to be deleted when its last handle closes; the handle needs
// delete access. Fails for a program's loaded image and for a read-only file.
bool MarkForDeletion(void* file, bool marked);
// Gives the file name in folder, replacing a file of that name; the handle needs delete access.
// Tries again for about two seconds while the file it replaces is busy.
bool MoveInto(void* file, const HeldFolder& folder, const Text& name);
bool ReadAttributes(void* file, FileAttributes& attributes);
// What tells one file from another whatever name it is reached by, and how many names it has.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    std::uint32_t links = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};
bool ReadIdentity(void* file, FileIdentity& identity);
// The handle needs the right to write attributes.
bool WriteAttributes(void* file, const FileAttributes& attributes);
bool Flush(void* file);
}  // namespace file_handle
