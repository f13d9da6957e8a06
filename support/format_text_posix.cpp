// support/format_text_posix.cpp
#include <cstdio>

#include "support/format_text.h"

namespace {

constexpr std::size_t kLineBufferSize = 2048;

}  // namespace

std::string FormatTextV(const char* format, std::va_list arguments) {
    std::string line(kLineBufferSize, '\0');
    std::va_list retry;
    va_copy(retry, arguments);
    const int needed = std::vsnprintf(line.data(), line.size(), format, arguments);
    if (needed < 0) {
        va_end(retry);
        return std::string();
    }
    if (static_cast<std::size_t>(needed) >= line.size()) {
        line.assign(static_cast<std::size_t>(needed) + 1, '\0');
        std::vsnprintf(line.data(), line.size(), format, retry);
    }
    va_end(retry);
    line.resize(static_cast<std::size_t>(needed));
    return line;
}
