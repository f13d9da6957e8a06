// support/fixed_buffer.h
#pragma once

#include <memory>

#include "support/byte_buffer.h"

// A buffer of a fixed capacity; the bytes held always start at the beginning of the storage.
class FixedBuffer : public ByteBuffer {
public:
    // Raises std::bad_alloc when the storage cannot be had.
    explicit FixedBuffer(std::int32_t capacity);
    ~FixedBuffer() override;

    std::int32_t Read(char* buffer, std::int32_t max) override;
    std::int32_t Write(const char* data, std::int32_t length) override;
    std::int32_t Size() const override { return held_; }
    std::int32_t Room() const override { return capacity_ - held_; }
    bool IsEmpty() const override { return held_ == 0; }
    bool IsFull() const override { return held_ == capacity_; }
    void Clear() override { held_ = 0; }
    std::int32_t FillFrom(ByteSource& source) override;
    std::int32_t DrainTo(ByteSink& sink) override;

    const char* Data() const { return storage_.get(); }

private:
    void DropFront(std::int32_t count);

    std::unique_ptr<char[]> storage_;
    std::int32_t capacity_;
    std::int32_t held_ = 0;
};
