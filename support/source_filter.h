// support/source_filter.h
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "support/byte_source.h"

// The source a filter reads through: borrowed (it outlives the filter) or owned (the filter
// destroys it); null reads nothing.
class InnerSource {
public:
    InnerSource(std::nullptr_t) {}
    InnerSource(ByteSource& borrowed) : source_(&borrowed) {}
    template <typename Source>
    InnerSource(std::unique_ptr<Source> owned) : owned_(std::move(owned)), source_(owned_.get()) {}

    ByteSource* Get() const { return source_; }

private:
    std::unique_ptr<ByteSource> owned_;
    ByteSource* source_ = nullptr;
};

// A source that reads through another one.
class SourceFilter : public ByteSource {
public:
    explicit SourceFilter(InnerSource inner) : inner_(std::move(inner)) {}

    std::int32_t Read(char* buffer, std::int32_t max) override;
    bool AtEnd() override;

private:
    InnerSource inner_;
};
