// payloads/uninstaller/removal.h
#pragma once

#include <string>

// Deletes a file, read-only or not, through its held folder, and answers whether it is gone; a
// file that is missing already counts as removed.
bool RemoveFileIfPresent(const std::string& path);
// Whether path names a file that is there, reached through its held folder.
bool FileIsThere(const std::string& path);
// Only an empty folder goes: never one that still holds something the installer did not put
// there, and never a link in a folder's place.
void RemoveFolderIfEmpty(const std::string& folder);
