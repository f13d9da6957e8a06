// support/source_filter.h
#pragma once

#include "support/byte_source.h"

// A source that reads through another one, and destroys it when told it owns it.
class SourceFilter : public ByteSource {
public:
    SourceFilter(ByteSource* inner, bool ownsInner) : inner_(inner), ownsInner_(ownsInner) {}
    ~SourceFilter() override;

    std::int32_t Read(char* buffer, std::int32_t max) override;
    bool AtEnd() override;

private:
    ByteSource* inner_;
    bool ownsInner_;
};
