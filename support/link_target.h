// support/link_target.h
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// What a junction or a symbolic link leads to, read from the reparse data that the file system
// keeps for the link itself, as the system hands it out (little-endian, names in UTF-16). The
// link's own data, not the path the system would follow, so that nothing but the one link read
// decides where a walk goes next.

// The most reparse data the system keeps for one file.
inline constexpr std::size_t kLongestReparseData = 16 * 1024;

// The full path ("X:\name\name", or "X:\" for a drive's root) that the junction or symbolic link
// with this reparse data leads to. A relative symbolic link starts from linkFolder, the full path
// of the folder that holds the link ("X:\names", a final "\" or not), or from its drive's root
// where the target begins with "\"; ".." in it goes up one folder, "." stays. False for any other
// kind of reparse data, a target that is not a drive-letter path (a volume, a network share, a
// device), a name that is not a plain folder name, ".." above the root, and data that does not
// hold together.
bool LinkTargetPath(std::span<const std::uint8_t> data, std::u16string_view linkFolder,
                    std::u16string& target);
