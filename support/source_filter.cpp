// support/source_filter.cpp
#include "support/source_filter.h"

std::int32_t SourceFilter::Read(char* buffer, std::int32_t max) {
    return inner_.Get() != nullptr ? inner_.Get()->Read(buffer, max) : 0;
}

bool SourceFilter::AtEnd() {
    return inner_.Get() != nullptr ? inner_.Get()->AtEnd() : true;
}
