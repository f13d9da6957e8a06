// support/text_buffer.h
#pragma once

#include "support/byte_buffer.h"
#include "support/text.h"

// A growable buffer whose bytes are the contents of its Text, the oldest first. It is at its
// end exactly when it is empty.
class TextBuffer : public Text, public ByteBuffer {
public:
    static constexpr std::int32_t kCapacity = 2147483647;
    static constexpr std::int32_t kFillChunk = 512;

    TextBuffer() = default;
    ~TextBuffer() override;

    std::int32_t Read(char* buffer, std::int32_t max) override;
    bool AtEnd() override { return Text::IsEmpty(); }
    std::int32_t Write(const char* data, std::int32_t length) override;
    std::int32_t Size() const override;
    std::int32_t Room() const override { return kCapacity - Size(); }
    bool IsEmpty() const override { return Text::IsEmpty(); }
    bool IsFull() const override { return Size() == kCapacity; }
    void Clear() override { Text::Clear(); }
    std::int32_t FillFrom(ByteSource& source) override;
    std::int32_t DrainTo(ByteSink& sink) override;

    // FillFrom until the source is at its end; the number of bytes taken.
    std::int32_t ReadAll(ByteSource& source);
};
