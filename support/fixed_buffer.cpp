// support/fixed_buffer.cpp
#include "support/fixed_buffer.h"

#include <algorithm>
#include <cstring>

FixedBuffer::FixedBuffer(std::int32_t capacity)
    : storage_(new char[static_cast<std::size_t>(std::max(capacity, 1))]),
      capacity_(std::max(capacity, 0)) {}

FixedBuffer::~FixedBuffer() = default;

void FixedBuffer::DropFront(std::int32_t count) {
    std::memmove(storage_.get(), storage_.get() + count, static_cast<std::size_t>(held_ - count));
    held_ -= count;
}

std::int32_t FixedBuffer::Read(char* buffer, std::int32_t max) {
    const std::int32_t count = std::min(held_, max);
    if (count <= 0) {
        return 0;
    }
    std::memcpy(buffer, storage_.get(), static_cast<std::size_t>(count));
    DropFront(count);
    return count;
}

std::int32_t FixedBuffer::Write(const char* data, std::int32_t length) {
    const std::int32_t count = std::min(Room(), length);
    if (count <= 0) {
        return 0;
    }
    std::memcpy(storage_.get() + held_, data, static_cast<std::size_t>(count));
    held_ += count;
    return count;
}

std::int32_t FixedBuffer::FillFrom(ByteSource& source) {
    const std::int32_t room = Room();
    if (room == 0) {
        return 0;
    }
    const std::int32_t added = source.Read(storage_.get() + held_, room);
    // A source that claims more than it was offered room for cannot be believed about the rest.
    const std::int32_t kept = std::clamp(added, 0, room);
    held_ += kept;
    return kept;
}

std::int32_t FixedBuffer::DrainTo(ByteSink& sink) {
    if (held_ == 0) {
        return 0;
    }
    const std::int32_t accepted = sink.Write(storage_.get(), held_);
    DropFront(std::clamp(accepted, 0, held_));
    return accepted;
}
