// tests/unit/stream_doubles.h
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "support/byte_sink.h"
#include "support/byte_source.h"

// Hands out a string, at most `chunk` bytes a Read, and counts the Reads it answered.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string bytes, std::int32_t chunk = 1 << 30)
        : bytes_(std::move(bytes)), chunk_(chunk) {}

    std::int32_t Read(char* buffer, std::int32_t max) override {
        ++reads;
        const std::size_t count =
            std::min({bytes_.size() - position_, static_cast<std::size_t>(std::max(max, 0)),
                      static_cast<std::size_t>(chunk_)});
        if (count > 0) {
            std::memcpy(buffer, bytes_.data() + position_, count);
        }
        position_ += count;
        return static_cast<std::int32_t>(count);
    }
    bool AtEnd() override { return position_ == bytes_.size(); }

    int reads = 0;

private:
    std::string bytes_;
    std::size_t position_ = 0;
    std::int32_t chunk_;
};

// Never at its end and never delivers anything: a pipe whose writer has gone quiet.
class SilentSource : public ByteSource {
public:
    std::int32_t Read(char*, std::int32_t) override {
        ++reads;
        return 0;
    }
    int reads = 0;
};

// Collects what it accepts; accepts at most `limit` bytes a Write.
class StringSink : public ByteSink {
public:
    explicit StringSink(std::int32_t limit = 1 << 30) : limit_(limit) {}

    std::int32_t Write(const char* data, std::int32_t length) override {
        ++writes;
        const std::int32_t count = std::min(std::max(length, 0), limit_);
        bytes.append(data, static_cast<std::size_t>(count));
        return count;
    }

    std::string bytes;
    int writes = 0;

private:
    std::int32_t limit_;
};

// Accepts half of what it is offered (rounded up), as a slow pipe or a nearly full disk does.
class HalfSink : public StringSink {
public:
    std::int32_t Write(const char* data, std::int32_t length) override {
        ++writes;
        const std::int32_t count = (std::max(length, 0) + 1) / 2;
        bytes.append(data, static_cast<std::size_t>(count));
        return count;
    }
};
