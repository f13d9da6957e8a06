// payloads/shell/bitmap_file.h
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An image as the plug-in takes it: 32-bit BGRA, top row first.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgra;
};

// Reads an uncompressed 24- or 32-bit BMP; false with a message for anything else.
bool ReadBitmap(const std::string& path, Image& image, std::string& error);
// Writes a 32-bit BMP.
bool WriteBitmap(const std::string& path, const Image& image, std::string& error);

// The same from and to bytes in memory, so that the parsing of files a user hands the shell can
// be tested without files; name is what a message calls the bytes.
bool DecodeBitmap(std::string_view bytes, const std::string& name, Image& image,
                  std::string& error);
std::string EncodeBitmap(const Image& image);
