// payloads/shell/bitmap_file.cpp
#include "payloads/shell/bitmap_file.h"

#include <cstring>

#include "payloads/shell/file_bytes.h"

namespace {

uint32_t Read32(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

uint16_t Read16(const std::string& bytes, std::size_t at) {
    uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

void Put(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

bool ReadBitmap(const std::string& path, Image& image, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        error = "cannot open " + path;
        return false;
    }
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        error = path + " is not a BMP file";
        return false;
    }
    const uint32_t offset = Read32(bytes, 10);
    const int32_t width = static_cast<int32_t>(Read32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(Read32(bytes, 22));
    const uint16_t bits = Read16(bytes, 28);
    const uint32_t compression = Read32(bytes, 30);
    const int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;
    if ((bits != 24 && bits != 32) || compression != 0 || width <= 0 || height <= 0 ||
        width > 16384 || height > 16384) {
        error = path + ": only uncompressed 24- and 32-bit BMP files are supported";
        return false;
    }
    const std::size_t rowSize = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (offset > bytes.size() || bytes.size() - offset < rowSize * height) {
        error = path + " is cut short";
        return false;
    }
    image.width = width;
    image.height = height;
    image.bgra.assign(static_cast<std::size_t>(width) * height * 4, 0);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t sourceRow = rawHeight > 0 ? height - 1 - y : y;
        const char* row = bytes.data() + offset + rowSize * sourceRow;
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* pixel = &image.bgra[(static_cast<std::size_t>(y) * width + x) * 4];
            const char* source = row + x * (bits / 8);
            pixel[0] = static_cast<uint8_t>(source[0]);
            pixel[1] = static_cast<uint8_t>(source[1]);
            pixel[2] = static_cast<uint8_t>(source[2]);
            pixel[3] = bits == 32 ? static_cast<uint8_t>(source[3]) : 255;
        }
    }
    return true;
}

bool WriteBitmap(const std::string& path, const Image& image, std::string& error) {
    std::string bytes = "BM";
    const uint32_t pixels = static_cast<uint32_t>(image.bgra.size());
    Put(bytes, 54 + pixels, 4);
    Put(bytes, 0, 4);
    Put(bytes, 54, 4);
    Put(bytes, 40, 4);
    Put(bytes, static_cast<uint32_t>(image.width), 4);
    Put(bytes, static_cast<uint32_t>(-image.height), 4);  // top row first
    Put(bytes, 1, 2);
    Put(bytes, 32, 2);
    Put(bytes, 0, 4);
    Put(bytes, pixels, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 0, 4);
    Put(bytes, 0, 4);
    bytes.append(reinterpret_cast<const char*>(image.bgra.data()), image.bgra.size());
    if (!WriteFileBytes(path, bytes)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
