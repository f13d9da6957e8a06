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
