// payloads/uninstaller/removal.h
#pragma once

#include <string>

// Whether path names a file that is there, reached through its held folder.
bool FileIsThere(const std::string& path);
// Only an empty folder goes: never one that still holds something the installer did not put
// there, and never a link in a folder's place.
void RemoveFolderIfEmpty(const std::string& folder);
