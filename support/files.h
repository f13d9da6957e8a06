// support/files.h
#pragma once

#include <cstdint>

#include "support/text.h"

constexpr std::uint32_t kAttributeReadOnly = 0x01;
constexpr std::uint32_t kAttributeHidden = 0x02;
constexpr std::uint32_t kAttributeSystem = 0x04;
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeNormal = 0x80;

// Each answers whether the system call succeeded.
bool ReadFileAttributes(const Text& path, std::uint32_t& attributes);
bool WriteFileAttributes(const Text& path, std::uint32_t attributes);
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
