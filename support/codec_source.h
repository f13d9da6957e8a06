// support/codec_source.h
#pragma once

#include <memory>

#include "support/source_filter.h"

struct z_stream_s;

// A filter that runs its inner source's bytes through a zlib stream: one 4096-byte input chunk,
// output straight into the reader's buffer.
class CodecSource : public SourceFilter {
public:
    static constexpr std::int32_t kInputChunk = 4096;

    explicit CodecSource(InnerSource inner);
    ~CodecSource() override;

    std::int32_t Read(char* buffer, std::int32_t max) override;
    bool AtEnd() override { return finished_; }

protected:
    // Moves the stream forward into the output space set up by Read.
    virtual void Advance() = 0;
    // Points the stream at a new input chunk when it has used up the last one; the input now
    // available.
    std::int32_t Refill();
    z_stream_s& Stream() { return *stream_; }
    void MarkFinished() { finished_ = true; }

private:
    std::unique_ptr<z_stream_s> stream_;
    char input_[kInputChunk];
    bool finished_ = false;
};
