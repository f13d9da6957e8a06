// payloads/shell/file_bytes.h
#pragma once

#include <string>

// A whole file read into memory, or written from it, through the C runtime's files: the C++
// streams would bring the whole locale machinery into the shell (two thirds of its code).
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
