// install/pump.h
#pragma once

#include "support/byte_sink.h"
#include "support/byte_source.h"
#include "support/fixed_buffer.h"

// Moves bytes from a source to a sink through a buffer of its own; neither end is owned.
class Pump {
public:
    Pump(ByteSource& source, ByteSink& sink, std::int32_t bufferSize)
        : source_(source), sink_(sink), buffer_(bufferSize) {}

    // Fill if there is more and room for it, then drain whatever is held.
    void Step();
    // The source has nothing more and the buffer has given everything away.
    bool Done() { return source_.AtEnd() && buffer_.IsEmpty(); }

private:
    ByteSource& source_;
    ByteSink& sink_;
    FixedBuffer buffer_;
};
