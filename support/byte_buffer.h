// support/byte_buffer.h
#pragma once

#include "support/byte_sink.h"
#include "support/byte_source.h"

// Both ends of a chain at once: filled from a source, drained into a sink, each call moving at
// most what the other side can take.
class ByteBuffer : public ByteSource, public ByteSink {
public:
    ~ByteBuffer() override;

    virtual std::int32_t Size() const = 0;
    virtual std::int32_t Room() const = 0;
    virtual bool IsEmpty() const = 0;
    virtual bool IsFull() const = 0;
    virtual void Clear() = 0;
    // One Read from the source into the free room; the count added.
    virtual std::int32_t FillFrom(ByteSource& source) = 0;
    // One Write of everything held; what the sink accepted leaves the front.
    virtual std::int32_t DrainTo(ByteSink& sink) = 0;
};
