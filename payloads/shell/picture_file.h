// payloads/shell/picture_file.h
#pragma once

#include <string>

#include "payloads/shell/bitmap_file.h"

// A BMP directly, anything else (PNG, JPEG) through the Windows Imaging Component.
bool ReadPicture(const std::string& path, Image& image, std::string& error);
