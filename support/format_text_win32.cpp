// support/format_text_win32.cpp
#include <stdio.h>

#include "support/format_text.h"

// The C runtime's own formatting (msvcrt.dll). The C++ library's headers would otherwise select
// MinGW's C99 printf, linked in whole with its floating-point conversions: a fifth of the
// installer's code, for formats that print only text and whole numbers.
std::string FormatTextV(const char* format, std::va_list arguments) {
    std::va_list measuring;
    va_copy(measuring, arguments);
    const int needed = _vscprintf(format, measuring);
    va_end(measuring);
    if (needed < 0) {
        return std::string();
    }
    // One more for the terminating zero, which _vsnprintf writes only when there is room.
    std::string line(static_cast<std::size_t>(needed) + 1, '\0');
    if (_vsnprintf(line.data(), line.size(), format, arguments) != needed) {
        return std::string();
    }
    line.resize(static_cast<std::size_t>(needed));
    return line;
}
