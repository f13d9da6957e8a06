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

// Whether a folder or file name is one Windows keeps for a device in every folder (CON, PRN,
// AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with the superscript digits too, CONIN$ and
// CONOUT$), in any case, alone or before an extension and spaces: such a name opens the device,
// and a folder made under it by the handle calls cannot be removed by the path calls.
bool IsDeviceName(const std::string& name);

// The first name of path that is a device name; empty when there is none.
std::string DeviceNameIn(const std::string& path);
