// support/files.h
#pragma once

#include <cstdint>

#include "support/file_attributes.h"
#include "support/text.h"

// Each answers whether the system call succeeded.
bool ReadFileAttributes(const Text& path, FileAttributes& attributes);
bool WriteFileAttributes(const Text& path, const FileAttributes& attributes);
bool RemoveFile(const Text& path);

// True when the path's attributes can be read and name a directory.
bool IsDirectory(const Text& path);
// The longest directory path Windows creates through its classic calls, in UTF-16 units (as
// Windows counts, whatever the path's bytes): MAX_PATH less room for an 8.3 file name.
constexpr std::uint32_t kLongestDirectoryPath = 248;

// Creates the directory and every missing parent, parents first; true when it exists at the end.
// A path longer than kLongestDirectoryPath is refused before anything is made; directories made
// before another failure stay. A junction or link on the way is crossed only where
// MayFollowLinkAt allows it.
bool MakeDirectories(const Text& path);
