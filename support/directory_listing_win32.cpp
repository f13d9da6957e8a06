// support/directory_listing_win32.cpp
#include <windows.h>

#include "support/directory_listing.h"
#include "support/file_attributes_win32.h"
#include "support/wide_text.h"

namespace {

// A name the code page cannot hold exactly is skipped: its best-fit look-alike is another path.
bool Fill(DirectoryEntry& entry, const WIN32_FIND_DATAW& found) {
    entry.attributes = AttributesFromSystem(found.dwFileAttributes);
    return TextFromWide(found.cFileName, entry.name);
}

}  // namespace

DirectoryListing::DirectoryListing(const Text& pattern) {
    WIN32_FIND_DATAW found{};
    const std::wstring wide = WideFromText(pattern);
    handle_ = wide.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW(wide.c_str(), &found);
    if (handle_ != INVALID_HANDLE_VALUE && !Fill(entry_, found) && !Next()) {
        FindClose(handle_);
        handle_ = INVALID_HANDLE_VALUE;
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
    WIN32_FIND_DATAW found{};
    while (handle_ != INVALID_HANDLE_VALUE && FindNextFileW(handle_, &found)) {
        if (Fill(entry_, found)) {
            return true;
        }
    }
    return false;
}
