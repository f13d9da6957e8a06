// support/format_text_posix.cpp
#include <cstdio>

#include "support/format_text.h"

std::string FormatTextV(const char* format, std::va_list arguments) {
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int needed = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (needed < 0) {
        return std::string();
    }
    // One more for the terminating zero that vsnprintf always writes.
    std::string line(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(line.data(), line.size(), format, arguments);
    line.resize(static_cast<std::size_t>(needed));
    return line;
}
