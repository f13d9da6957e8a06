// support/source_filter.cpp
#include "support/source_filter.h"

SourceFilter::~SourceFilter() {
    if (ownsInner_) {
        delete inner_;
    }
}

std::int32_t SourceFilter::Read(char* buffer, std::int32_t max) {
    return inner_ != nullptr ? inner_->Read(buffer, max) : 0;
}

bool SourceFilter::AtEnd() {
    return inner_ != nullptr ? inner_->AtEnd() : true;
}
