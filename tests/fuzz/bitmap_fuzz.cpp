// tests/fuzz/bitmap_fuzz.cpp
// The shell's BMP reader over any bytes a user might hand it: a refusal with a message, or a
// picture of the size its header gives, read from within the bytes (AddressSanitizer stops any
// read past them), never larger than the file could fill, that the writer writes back unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "payloads/shell/bitmap_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Image image;
    std::string error;
    if (!DecodeBitmap(bytes, "input", image, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(image.width > 0 && image.height > 0);
    FUZZ_CHECK(image.bgra.size() ==
               static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4);
    // Three bytes a pixel at the least in the file, four in memory.
    FUZZ_CHECK(image.bgra.size() / 4 * 3 <= size);
    Image again;
    FUZZ_CHECK(DecodeBitmap(EncodeBitmap(image), "written", again, error));
    FUZZ_CHECK(again.width == image.width && again.height == image.height);
    FUZZ_CHECK(again.bgra == image.bgra);
    return 0;
}
