// support/directory_listing_win32.cpp
#include <windows.h>

#include "support/directory_listing.h"

namespace {

void Fill(DirectoryEntry& entry, const WIN32_FIND_DATAA& found) {
    entry.attributes = found.dwFileAttributes;
    entry.name.Assign(found.cFileName);
}

}  // namespace

DirectoryListing::DirectoryListing(const Text& pattern) {
    WIN32_FIND_DATAA found{};
    handle_ = FindFirstFileA(pattern.CStr(), &found);
    if (handle_ != INVALID_HANDLE_VALUE) {
        Fill(entry_, found);
    }
}

DirectoryListing::~DirectoryListing() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        FindClose(handle_);
    }
}

bool DirectoryListing::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

bool DirectoryListing::Next() {
    WIN32_FIND_DATAA found{};
    if (handle_ == INVALID_HANDLE_VALUE || !FindNextFileA(handle_, &found)) {
        return false;
    }
    Fill(entry_, found);
    return true;
}
