// tests/unit/byte_buffer_test.cpp
#include <gtest/gtest.h>

#include <string>

#include "support/fixed_buffer.h"
#include "support/source_filter.h"
#include "support/text_buffer.h"
#include "tests/unit/stream_doubles.h"

namespace {

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    return bytes;
}

// The copy loop of payload extraction: fill while the source has more and there is room, drain
// whenever something is held.
void Copy(ByteSource& source, ByteBuffer& buffer, ByteSink& sink) {
    while (!source.AtEnd() || !buffer.IsEmpty()) {
        if (!source.AtEnd() && !buffer.IsFull()) {
            buffer.FillFrom(source);
        }
        if (!buffer.IsEmpty()) {
            buffer.DrainTo(sink);
        }
    }
}

TEST(FixedBufferTest, FullBufferRefusesWritesAndDoesNotReadItsSource) {
    FixedBuffer buffer(4);
    EXPECT_EQ(buffer.Write("abcdef", 6), 4);
    EXPECT_TRUE(buffer.IsFull());
    EXPECT_EQ(buffer.Room(), 0);
    EXPECT_EQ(buffer.Write("x", 1), 0);
    StringSource source("more");
    EXPECT_EQ(buffer.FillFrom(source), 0);
    EXPECT_EQ(source.reads, 0);
    EXPECT_FALSE(buffer.AtEnd());
}

TEST(FixedBufferTest, EmptyBufferDoesNotCallItsSink) {
    FixedBuffer buffer(4);
    StringSink sink;
    EXPECT_EQ(buffer.DrainTo(sink), 0);
    EXPECT_EQ(sink.writes, 0);
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_FALSE(buffer.AtEnd());
}

TEST(FixedBufferTest, PartialDrainKeepsTheRestAtTheFrontInOrder) {
    FixedBuffer buffer(8);
    ASSERT_EQ(buffer.Write("abcdefgh", 8), 8);
    HalfSink sink;
    EXPECT_EQ(buffer.DrainTo(sink), 4);
    EXPECT_EQ(sink.bytes, "abcd");
    EXPECT_EQ(buffer.Size(), 4);
    EXPECT_EQ(std::string(buffer.Data(), 4), "efgh");
    EXPECT_EQ(buffer.Write("ij", 2), 2);
    char out[8];
    EXPECT_EQ(buffer.Read(out, 8), 6);
    EXPECT_EQ(std::string(out, 6), "efghij");
}

TEST(FixedBufferTest, ReadMovesTheRemainderToTheStart) {
    FixedBuffer buffer(6);
    ASSERT_EQ(buffer.Write("abcdef", 6), 6);
    char out[6];
    EXPECT_EQ(buffer.Read(out, 2), 2);
    EXPECT_EQ(std::string(out, 2), "ab");
    EXPECT_EQ(std::string(buffer.Data(), 4), "cdef");
    EXPECT_EQ(buffer.Read(out, 0), 0);
    EXPECT_EQ(buffer.Read(out, -1), 0);
    buffer.Clear();
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_EQ(buffer.Read(out, 6), 0);
}

TEST(FixedBufferTest, FillFromTakesAtMostTheRoom) {
    FixedBuffer buffer(5);
    ASSERT_EQ(buffer.Write("ab", 2), 2);
    StringSource source("0123456789");
    EXPECT_EQ(buffer.FillFrom(source), 3);
    EXPECT_EQ(std::string(buffer.Data(), 5), "ab012");
}

TEST(FixedBufferTest, ChainCopiesEveryByteInOrderThroughAPartialSink) {
    const std::string payload = Pattern(100000);
    StringSource source(payload, 777);
    FixedBuffer buffer(16384);
    HalfSink sink;
    Copy(source, buffer, sink);
    EXPECT_EQ(sink.bytes, payload);
}

TEST(FixedBufferTest, TwoBuffersInAChainWithASmallSink) {
    const std::string payload = Pattern(5000);
    StringSource source(payload, 300);
    FixedBuffer first(1024);
    FixedBuffer second(100);
    StringSink sink(37);
    while (!source.AtEnd() || !first.IsEmpty() || !second.IsEmpty()) {
        if (!source.AtEnd()) {
            first.FillFrom(source);
        }
        first.DrainTo(second);
        second.DrainTo(sink);
    }
    EXPECT_EQ(sink.bytes, payload);
}

TEST(TextBufferTest, IsAtEndExactlyWhenEmpty) {
    TextBuffer buffer;
    EXPECT_TRUE(buffer.AtEnd());
    EXPECT_EQ(buffer.Room(), 2147483647);
    EXPECT_EQ(buffer.Write("abc", 3), 3);
    EXPECT_EQ(buffer.Write("x", 0), 0);
    EXPECT_FALSE(buffer.AtEnd());
    EXPECT_EQ(buffer.Room(), 2147483644);
    char out[3];
    EXPECT_EQ(buffer.Read(out, 2), 2);
    EXPECT_EQ(buffer, "c");
    EXPECT_EQ(buffer.Read(out, 3), 1);
    EXPECT_TRUE(buffer.AtEnd());
    EXPECT_EQ(buffer.Read(out, 3), 0);
}

TEST(TextBufferTest, ReadAllOfASourceAtItsEndAddsNothing) {
    TextBuffer buffer;
    StringSource source("");
    EXPECT_EQ(buffer.ReadAll(source), 0);
    EXPECT_EQ(source.reads, 0);
    EXPECT_TRUE(buffer.IsEmpty());
}

TEST(TextBufferTest, ReadAllTakesTheSourceIn512BytePieces) {
    const std::string licence = Pattern(10391);
    StringSource source(licence);
    TextBuffer buffer;
    EXPECT_EQ(buffer.ReadAll(source), 10391);
    EXPECT_EQ(source.reads, 21);
    EXPECT_EQ(buffer.Bytes(), licence);
}

TEST(TextBufferTest, PartialDrainDropsOnlyWhatWasAccepted) {
    TextBuffer buffer;
    buffer.Write("abcdefg", 7);
    HalfSink sink;
    EXPECT_EQ(buffer.DrainTo(sink), 4);
    EXPECT_EQ(buffer, "efg");
    StringSink refusing(0);
    EXPECT_EQ(buffer.DrainTo(refusing), 0);
    EXPECT_EQ(buffer, "efg");
    buffer.Clear();
    EXPECT_EQ(buffer.DrainTo(sink), 0);
}

TEST(TextBufferTest, ZeroBytesPassThrough) {
    const std::string bytes("\0a\0b\0", 5);
    StringSource source(bytes);
    TextBuffer buffer;
    EXPECT_EQ(buffer.ReadAll(source), 5);
    StringSink sink;
    EXPECT_EQ(buffer.DrainTo(sink), 5);
    EXPECT_EQ(sink.bytes, bytes);
}

TEST(SourceFilterTest, WithoutInnerSourceReadsNothingAndIsAtEnd) {
    SourceFilter filter(nullptr);
    char out[4];
    EXPECT_EQ(filter.Read(out, 4), 0);
    EXPECT_TRUE(filter.AtEnd());
}

TEST(SourceFilterTest, ForwardsAndDestroysOnlyWhatItOwns) {
    struct Tracked : StringSource {
        explicit Tracked(bool& gone) : StringSource("abc"), gone_(gone) {}
        ~Tracked() override { gone_ = true; }
        bool& gone_;
    };
    bool ownedGone = false;
    {
        SourceFilter owning(std::make_unique<Tracked>(ownedGone));
        char out[4];
        EXPECT_EQ(owning.Read(out, 4), 3);
        EXPECT_TRUE(owning.AtEnd());
    }
    EXPECT_TRUE(ownedGone);

    bool borrowedGone = false;
    Tracked borrowed(borrowedGone);
    { SourceFilter filter(borrowed); }
    EXPECT_FALSE(borrowedGone);
}

}  // namespace
