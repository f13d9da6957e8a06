// support/byte_streams.cpp
#include "support/byte_buffer.h"
#include "support/byte_sink.h"
#include "support/byte_source.h"

ByteSource::~ByteSource() = default;
ByteSink::~ByteSink() = default;
ByteBuffer::~ByteBuffer() = default;
