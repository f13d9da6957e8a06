// support/directory_listing.h
#pragma once

#include "support/file_attributes.h"
#include "support/text.h"

struct DirectoryEntry {
    FileAttributes attributes;
    Text name;
};

// One open listing of the entries that match a pattern such as "C:\dir\*", in the file
// system's own order. Owns the system's find handle and closes it when destroyed.
class DirectoryListing {
public:
    explicit DirectoryListing(const Text& pattern);
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;
    ~DirectoryListing();

    // False when the directory could not be listed at all (missing, not a directory, denied).
    bool IsOpen() const;
    // The current entry; valid while IsOpen and after a Next that answered true.
    const DirectoryEntry& Entry() const { return entry_; }
    // Moves to the next entry; false when there is none.
    bool Next();

private:
    void* handle_;
    DirectoryEntry entry_;
};
