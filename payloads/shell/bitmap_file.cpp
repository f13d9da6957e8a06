// payloads/shell/bitmap_file.cpp
#include "payloads/shell/bitmap_file.h"

#include <cstring>

#include "payloads/shell/file_bytes.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
// The information header; the later versions only add fields after it.
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int32_t kLargestSide = 16384;

uint32_t Read32(std::string_view bytes, std::size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

uint16_t Read16(std::string_view bytes, std::size_t at) {
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
    return DecodeBitmap(bytes, path, image, error);
}

bool DecodeBitmap(std::string_view bytes, const std::string& name, Image& image,
                  std::string& error) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        error = name + " is not a BMP file";
        return false;
    }
    const uint32_t offset = Read32(bytes, 10);
    const uint32_t headerSize = Read32(bytes, 14);
    const int32_t width = static_cast<int32_t>(Read32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(Read32(bytes, 22));
    const uint16_t bits = Read16(bytes, 28);
    const uint32_t compression = Read32(bytes, 30);
    // A negative height puts the top row first. Widened before it is negated: the smallest
    // int32_t has no positive counterpart.
    const int64_t height = rawHeight < 0 ? -static_cast<int64_t>(rawHeight) : rawHeight;
    // A header shorter than the usual one is the oldest format, with 16-bit sizes elsewhere.
    if (headerSize < kInfoHeaderSize || (bits != 24 && bits != 32) || compression != 0 ||
        width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        error = name + ": only uncompressed 24- and 32-bit BMP files are supported";
        return false;
    }
    if (offset < kFileHeaderSize + static_cast<uint64_t>(headerSize)) {
        error = name + " is damaged: its pixels overlap its header";
        return false;
    }
    // Each row is padded to a multiple of four bytes. Every pixel must be in the file before
    // anything is allocated for it, so a forged header cannot ask for more than the file holds.
    const std::size_t rowSize = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(height);
    if (offset > bytes.size() || (bytes.size() - offset) / rowSize < rows) {
        error = name + " is cut short";
        return false;
    }
    image.width = width;
    image.height = static_cast<int32_t>(height);
    image.bgra.assign(static_cast<std::size_t>(width) * rows * 4, 0);
    const std::size_t pixelSize = bits / 8;
    for (std::size_t y = 0; y < rows; ++y) {
        const std::size_t sourceRow = rawHeight > 0 ? rows - 1 - y : y;
        const char* row = bytes.data() + offset + rowSize * sourceRow;
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
            uint8_t* pixel = &image.bgra[(y * static_cast<std::size_t>(width) + x) * 4];
            const char* source = row + x * pixelSize;
            pixel[0] = static_cast<uint8_t>(source[0]);
            pixel[1] = static_cast<uint8_t>(source[1]);
            pixel[2] = static_cast<uint8_t>(source[2]);
            pixel[3] = bits == 32 ? static_cast<uint8_t>(source[3]) : 255;
        }
    }
    return true;
}

bool WriteBitmap(const std::string& path, const Image& image, std::string& error) {
    if (!WriteFileBytes(path, EncodeBitmap(image))) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::string EncodeBitmap(const Image& image) {
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
    return bytes;
}
