// support/text_buffer.cpp
#include "support/text_buffer.h"

#include <algorithm>

TextBuffer::~TextBuffer() = default;

std::int32_t TextBuffer::Size() const {
    return static_cast<std::int32_t>(std::min<std::uint32_t>(Length(), kCapacity));
}

std::int32_t TextBuffer::Read(char* buffer, std::int32_t max) {
    const std::int32_t count = CopyTo(buffer, max);
    Erase(0, static_cast<std::uint32_t>(count));
    return count;
}

std::int32_t TextBuffer::Write(const char* data, std::int32_t length) {
    if (length <= 0) {
        return 0;
    }
    Append(data, static_cast<std::uint32_t>(length));
    return length;
}

std::int32_t TextBuffer::FillFrom(ByteSource& source) {
    char chunk[kFillChunk];
    const std::int32_t count = std::clamp(source.Read(chunk, kFillChunk), 0, kFillChunk);
    if (count > 0) {
        Append(chunk, static_cast<std::uint32_t>(count));
    }
    return count;
}

std::int32_t TextBuffer::DrainTo(ByteSink& sink) {
    if (Text::IsEmpty()) {
        return 0;
    }
    const std::int32_t accepted = sink.Write(Data(), Size());
    if (accepted <= 0) {
        return accepted;
    }
    Erase(0, std::min(Length(), static_cast<std::uint32_t>(accepted)));
    return accepted;
}

std::int32_t TextBuffer::ReadAll(ByteSource& source) {
    std::int32_t total = 0;
    while (!source.AtEnd()) {
        total += FillFrom(source);
    }
    return total;
}
