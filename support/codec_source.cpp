// support/codec_source.cpp
#include "support/codec_source.h"

#include <algorithm>

#include <zlib.h>

// Value-initialised, the stream has null hooks and opaque pointer (zlib uses its own allocator)
// and no input yet.
CodecSource::CodecSource(InnerSource inner)
    : SourceFilter(std::move(inner)), stream_(std::make_unique<z_stream_s>()), input_() {}

CodecSource::~CodecSource() = default;

std::int32_t CodecSource::Read(char* buffer, std::int32_t max) {
    // zlib cannot make progress into no room and would call that an error.
    if (max <= 0) {
        return 0;
    }
    stream_->next_out = reinterpret_cast<Bytef*>(buffer);
    stream_->avail_out = static_cast<uInt>(max);
    Advance();
    return max - static_cast<std::int32_t>(stream_->avail_out);
}

std::int32_t CodecSource::Refill() {
    if (stream_->avail_in == 0) {
        stream_->next_in = reinterpret_cast<Bytef*>(input_);
        const std::int32_t delivered = SourceFilter::Read(input_, kInputChunk);
        stream_->avail_in = delivered > 0 ? static_cast<uInt>(std::min(delivered, kInputChunk)) : 0;
    }
    return static_cast<std::int32_t>(stream_->avail_in);
}
