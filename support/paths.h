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
