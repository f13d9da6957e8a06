// payloads/uninstaller/removal.h
#pragma once

#include <string>

// Deletes a file, read-only or not, and answers whether it is gone; a file that is missing
// already counts as removed.
bool RemoveFileIfPresent(const std::string& path);
// Only an empty folder goes: never one that still holds something the installer did not put
// there.
void RemoveFolderIfEmpty(const std::string& folder);
// A folder of the all-users shell (a CSIDL_ id), ending with "\", or empty.
std::string ShellFolder(int id);
