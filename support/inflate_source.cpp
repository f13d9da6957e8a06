// support/inflate_source.cpp
#include "support/inflate_source.h"

#include <zlib.h>

#include "support/exception.h"

InflateSource::InflateSource(InnerSource inner) : CodecSource(std::move(inner)) {
    if (inflateInit(&Stream()) != Z_OK) {
        throw Exception(ExceptionCode::Stream);
    }
}

InflateSource::~InflateSource() {
    inflateEnd(&Stream());
}

void InflateSource::Advance() {
    int result = Z_OK;
    if (SourceFilter::AtEnd()) {
        // No more input will come: flush what zlib holds, then insist on the end of the stream.
        result = inflate(&Stream(), Z_NO_FLUSH);
        if (result != Z_OK) {
            result = inflate(&Stream(), Z_FINISH);
        }
    } else {
        if (Refill() <= 0) {
            return;
        }
        result = inflate(&Stream(), Z_NO_FLUSH);
    }
    if (result == Z_STREAM_END) {
        MarkFinished();
    } else if (result != Z_OK) {
        throw Exception(ExceptionCode::Stream);
    }
}
