// support/paths.h
#pragma once

#include <string>

class Text;

// The canonical form handed to directory creation: "/" separators from the third byte on, no
// doubled separator from the second byte on, and always one "/" at the end. The first two bytes
// are never rewritten, so a network path keeps its leading "\\".
std::string ToSlashDirectory(const std::string& path);

// The directory one level up from a canonical directory, in canonical form; false for a path
// with no component left to remove (a path of separators only).
bool ParentDirectory(const Text& canonical, Text& parent);

// A directory as a user confirmed it may lack its final separator, and a file name must not be
// glued to the folder's name: the directory with a "\" at its end unless it ends in "\" or "/"
// already. Empty stays empty.
std::string WithTrailingSeparator(const std::string& directory);

// The folder that holds path, with its final separator; empty when path has no separator.
std::string FolderOf(const std::string& path);

// Whether text names a folder from a root: "X:\..." or "\\server\share\...".
bool IsFullDirectoryPath(const std::string& text);
