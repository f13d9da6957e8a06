// support/inflate_source.h
#pragma once

#include "support/codec_source.h"

// Inflates a zlib stream (RFC 1950) read from its inner source. A stream that is cut short or
// damaged raises "Stream Exception" once the inner source is used up; it never ends quietly.
class InflateSource : public CodecSource {
public:
    explicit InflateSource(InnerSource inner);
    ~InflateSource() override;

protected:
    void Advance() override;
};
