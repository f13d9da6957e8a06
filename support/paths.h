// support/paths.h
#pragma once

#include <string>

// The canonical form handed to directory creation: "/" separators from the third byte on, no
// doubled separator from the second byte on, and always one "/" at the end. The first two bytes
// are never rewritten, so a network path keeps its leading "\\".
std::string ToSlashDirectory(const std::string& path);
