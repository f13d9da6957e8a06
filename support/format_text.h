// support/format_text.h
#pragma once

#include <cstdarg>
#include <string>

#include "support/printf_format.h"

// printf into a string that grows to whatever the arguments need.
std::string FormatTextV(const char* format, std::va_list arguments) TVL_PRINTF_FORMAT(1, 0);

inline std::string FormatText(const char* format, ...) TVL_PRINTF_FORMAT(1, 2);
inline std::string FormatText(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::string text = FormatTextV(format, arguments);
    va_end(arguments);
    return text;
}
