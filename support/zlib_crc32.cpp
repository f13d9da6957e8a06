// support/zlib_crc32.cpp
#include <zlib.h>

// Linked into each Windows program ahead of zlib, so that zlib's own CRC-32 is not linked in:
// inflate refers to it only for gzip streams, which nothing of ours reads (the payloads are zlib
// streams, checked by Adler-32), and its tables are 12.7 KB, a twentieth of the installer's
// code. This is the same function, a bit at a time, without tables.
extern "C" uLong ZEXPORT crc32(uLong crc, const Bytef* buf, uInt len) {
    if (buf == Z_NULL) {
        return 0;
    }
    crc = ~crc & 0xFFFFFFFFu;
    while (len-- != 0) {
        crc ^= *buf++;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc & 0xFFFFFFFFu;
}
