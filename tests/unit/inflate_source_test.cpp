// tests/unit/inflate_source_test.cpp
#include "support/inflate_source.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>

#include "support/exception.h"
#include "support/fixed_buffer.h"
#include "tests/unit/stream_doubles.h"

namespace {

// Looks like an executable: runs of zeros, repeated instruction-like patterns and some noise,
// so the deflate stream has both literals and long matches.
std::string ExecutableLikeBytes(std::size_t size, unsigned seed = 7) {
    std::mt19937 random(seed);
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        switch (random() % 3) {
            case 0:
                bytes.append(random() % 64, '\0');
                break;
            case 1:
                bytes.append("\x48\x89\x5c\x24\x08\x57\x48\x83\xec\x20", 10);
                break;
            default:
                for (int i = 0; i < 16; ++i) {
                    bytes.push_back(static_cast<char>(random() & 0xFF));
                }
        }
    }
    bytes.resize(size);
    return bytes;
}

std::string Compress(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string stream(size, '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(stream.data()), &size,
                        reinterpret_cast<const Bytef*>(bytes.data()),
                        static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION),
              Z_OK);
    stream.resize(size);
    return stream;
}

// Reads everything the source gives, max bytes a Read, until it is at its end.
std::string ReadToEnd(ByteSource& source, std::int32_t max) {
    std::string out;
    std::string block(static_cast<std::size_t>(max), '\0');
    while (!source.AtEnd()) {
        const std::int32_t n = source.Read(block.data(), max);
        out.append(block.data(), static_cast<std::size_t>(n));
    }
    return out;
}

void ExpectStreamException(ByteSource& source) {
    try {
        ReadToEnd(source, 1000);
        FAIL() << "a damaged stream was read to its end";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Is(ExceptionCode::Stream));
        EXPECT_STREQ(e.Message(), "Stream Exception");
    }
}

TEST(InflateSourceTest, CompleteStreamInflatesExactly) {
    const std::string payload = ExecutableLikeBytes(300000);
    const std::string stream = Compress(payload);
    ASSERT_EQ(static_cast<unsigned char>(stream[0]), 0x78);
    ASSERT_EQ(static_cast<unsigned char>(stream[1]), 0xDA);
    for (std::int32_t max : {1, 333, 4096, 16384, 1 << 20}) {
        StringSource inner(stream);
        InflateSource inflated(inner);
        EXPECT_EQ(ReadToEnd(inflated, max), payload) << "max " << max;
    }
}

TEST(InflateSourceTest, DefaultLevelHeaderAndDribblingInner) {
    const std::string payload = ExecutableLikeBytes(50000, 3);
    uLongf size = compressBound(static_cast<uLong>(payload.size()));
    std::string stream(size, '\0');
    ASSERT_EQ(compress(reinterpret_cast<Bytef*>(stream.data()), &size,
                       reinterpret_cast<const Bytef*>(payload.data()),
                       static_cast<uLong>(payload.size())),
              Z_OK);
    stream.resize(size);
    ASSERT_EQ(static_cast<unsigned char>(stream[1]), 0x9C);
    StringSource inner(stream, 3);
    InflateSource inflated(inner);
    EXPECT_EQ(ReadToEnd(inflated, 16384), payload);
}

TEST(InflateSourceTest, BecomesAtEndOnTheReadThatReachesTheStreamEnd) {
    const std::string payload = "Tarvelle";
    StringSource inner(Compress(payload));
    InflateSource inflated(inner);
    EXPECT_FALSE(inflated.AtEnd());
    char out[64];
    std::int32_t got = 0;
    while (!inflated.AtEnd()) {
        got += inflated.Read(out + got, 64 - got);
    }
    EXPECT_EQ(std::string(out, static_cast<std::size_t>(got)), payload);
    EXPECT_TRUE(inner.AtEnd());
    EXPECT_EQ(inflated.Read(out, 64), 0);
    EXPECT_TRUE(inflated.AtEnd());
}

TEST(InflateSourceTest, EmptyPayloadGivesNoBytes) {
    StringSource inner(Compress(""));
    InflateSource inflated(inner);
    EXPECT_EQ(ReadToEnd(inflated, 16), "");
}

TEST(InflateSourceTest, TruncatedStreamRaisesStreamException) {
    const std::string stream = Compress(ExecutableLikeBytes(100000));
    for (std::size_t keep : {std::size_t{0}, std::size_t{1}, std::size_t{2}, stream.size() / 2,
                             stream.size() - 4, stream.size() - 1}) {
        StringSource inner(stream.substr(0, keep));
        InflateSource inflated(inner);
        ExpectStreamException(inflated);
    }
}

TEST(InflateSourceTest, CorruptedStreamRaisesStreamException) {
    const std::string stream = Compress(ExecutableLikeBytes(100000));

    std::string badHeader = stream;
    badHeader[0] = 0x79;
    StringSource headerInner(badHeader);
    InflateSource headerInflated(headerInner);
    ExpectStreamException(headerInflated);

    std::string badChecksum = stream;
    badChecksum[badChecksum.size() - 1] ^= 0x01;
    StringSource checksumInner(badChecksum);
    InflateSource checksumInflated(checksumInner);
    ExpectStreamException(checksumInflated);

    std::string badBlock = stream;
    for (std::size_t i = 100; i < 140; ++i) {
        badBlock[i] = static_cast<char>(0xFF);
    }
    StringSource blockInner(badBlock);
    InflateSource blockInflated(blockInner);
    ExpectStreamException(blockInflated);
}

TEST(InflateSourceTest, StreamNeedingADictionaryRaisesStreamException) {
    z_stream deflater{};
    ASSERT_EQ(deflateInit(&deflater, Z_DEFAULT_COMPRESSION), Z_OK);
    const char dictionary[] = "Tarvelle Pigmora";
    ASSERT_EQ(deflateSetDictionary(&deflater, reinterpret_cast<const Bytef*>(dictionary),
                                   sizeof dictionary - 1),
              Z_OK);
    std::string input = "Tarvelle Pigmora Demo";
    std::string stream(256, '\0');
    deflater.next_in = reinterpret_cast<Bytef*>(input.data());
    deflater.avail_in = static_cast<uInt>(input.size());
    deflater.next_out = reinterpret_cast<Bytef*>(stream.data());
    deflater.avail_out = static_cast<uInt>(stream.size());
    ASSERT_EQ(deflate(&deflater, Z_FINISH), Z_STREAM_END);
    stream.resize(deflater.total_out);
    deflateEnd(&deflater);

    StringSource inner(stream);
    InflateSource inflated(inner);
    ExpectStreamException(inflated);
}

TEST(InflateSourceTest, SilentInnerSourceGivesZeroWithoutError) {
    SilentSource inner;
    InflateSource inflated(inner);
    char out[16];
    EXPECT_EQ(inflated.Read(out, 16), 0);
    EXPECT_EQ(inflated.Read(out, 16), 0);
    EXPECT_FALSE(inflated.AtEnd());
    EXPECT_EQ(inner.reads, 2);
}

TEST(InflateSourceTest, ReadIntoNoRoomIsNotAnError) {
    StringSource inner(Compress("abc"));
    InflateSource inflated(inner);
    char out[4];
    EXPECT_EQ(inflated.Read(out, 0), 0);
    EXPECT_EQ(inflated.Read(out, -5), 0);
    EXPECT_EQ(ReadToEnd(inflated, 4), "abc");
}

TEST(InflateSourceTest, WithoutInnerSourceTheStreamIsTruncated) {
    InflateSource inflated(nullptr);
    char out[4];
    EXPECT_THROW(inflated.Read(out, 4), Exception);
}

TEST(InflateSourceTest, OwnedInnerSourceIsDestroyedWithIt) {
    struct Tracked : StringSource {
        Tracked(std::string bytes, bool& gone) : StringSource(std::move(bytes)), gone_(gone) {}
        ~Tracked() override { gone_ = true; }
        bool& gone_;
    };
    bool gone = false;
    {
        InflateSource inflated(std::make_unique<Tracked>(Compress("x"), gone));
        EXPECT_EQ(ReadToEnd(inflated, 8), "x");
    }
    EXPECT_TRUE(gone);
}

TEST(InflateSourceTest, ChainThroughFixedBufferIntoPartialSink) {
    const std::string payload = ExecutableLikeBytes(1 << 20, 11);
    StringSource inner(Compress(payload), 4096);
    InflateSource inflated(inner);
    FixedBuffer buffer(16384);
    HalfSink sink;
    while (!inflated.AtEnd() || !buffer.IsEmpty()) {
        if (!inflated.AtEnd() && !buffer.IsFull()) {
            buffer.FillFrom(inflated);
        }
        if (!buffer.IsEmpty()) {
            buffer.DrainTo(sink);
        }
    }
    EXPECT_EQ(sink.bytes, payload);
}

TEST(InflateSourceTest, DamageMidChainLeavesWhatWasMovedWithTheCaller) {
    const std::string payload = ExecutableLikeBytes(200000, 5);
    const std::string stream = Compress(payload);
    StringSource inner(stream.substr(0, stream.size() / 2));
    InflateSource inflated(inner);
    FixedBuffer buffer(16384);
    StringSink sink;
    EXPECT_THROW(
        {
            while (!inflated.AtEnd() || !buffer.IsEmpty()) {
                if (!inflated.AtEnd() && !buffer.IsFull()) {
                    buffer.FillFrom(inflated);
                }
                buffer.DrainTo(sink);
            }
        },
        Exception);
    EXPECT_GT(sink.bytes.size(), 0u);
    EXPECT_EQ(sink.bytes, payload.substr(0, sink.bytes.size()));
}

// On Windows the programs link support/zlib_crc32.cpp in place of zlib's tables: the check value
// of CRC-32, in one piece and in two.
TEST(InflateSourceTest, Crc32GivesTheCheckValue) {
    const auto* digits = reinterpret_cast<const Bytef*>("123456789");
    EXPECT_EQ(crc32(0, digits, 9), 0xCBF43926u);
    EXPECT_EQ(crc32(crc32(0, digits, 4), digits + 4, 5), 0xCBF43926u);
    EXPECT_EQ(crc32(0, Z_NULL, 0), 0u);
}

}  // namespace
