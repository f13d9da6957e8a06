// tests/unit/bitmap_file_test.cpp
// The shell's BMP reader against bytes laid out by hand, not by its own writer, which only ever
// writes 32-bit rows and so never pads one.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "payloads/shell/bitmap_file.h"

namespace {

void Put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

TEST(BitmapFileTest, Reads24BitRowsPaddedToFourBytes) {
    std::string bytes = "BM";
    Put(bytes, 54 + 2 * 12, 4);  // file size
    Put(bytes, 0, 4);
    Put(bytes, 54, 4);  // where the pixels start
    Put(bytes, 40, 4);  // information header size
    Put(bytes, 3, 4);   // width
    Put(bytes, 2, 4);   // height, positive: bottom row first
    Put(bytes, 1, 2);   // planes
    Put(bytes, 24, 2);  // bits per pixel
    Put(bytes, 0, 4);   // uncompressed
    Put(bytes, 2 * 12, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 2835, 4);
    Put(bytes, 0, 4);
    Put(bytes, 0, 4);
    // Three pixels of blue, green, red are nine bytes, padded to twelve.
    bytes.append("\x01\x02\x03\x04\x05\x06\x07\x08\x09\xEE\xEE\xEE", 12);  // bottom row
    bytes.append("\x11\x12\x13\x14\x15\x16\x17\x18\x19\xEE\xEE\xEE", 12);  // top row
    ASSERT_EQ(bytes.size(), 54u + 24u);

    Image image;
    std::string error;
    ASSERT_TRUE(DecodeBitmap(bytes, "3x2.bmp", image, error)) << error;
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    const std::vector<std::uint8_t> topRowFirst = {0x11, 0x12, 0x13, 255, 0x14, 0x15, 0x16, 255,
                                                   0x17, 0x18, 0x19, 255, 0x01, 0x02, 0x03, 255,
                                                   0x04, 0x05, 0x06, 255, 0x07, 0x08, 0x09, 255};
    EXPECT_EQ(image.bgra, topRowFirst);
}

}  // namespace
