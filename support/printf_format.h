// support/printf_format.h
#pragma once

// Lets GCC and Clang check the arguments of our printf-style functions at every call, and warn
// when a format is not a literal.
// A v-function (taking a va_list) names 0 as its first argument.
#if defined(__clang__)
#define TVL_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#elif defined(__GNUC__) && defined(_WIN32)
// Formatted by msvcrt.dll: checked against what it understands.
#define TVL_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(ms_printf, formatIndex, firstArgument)))
#elif defined(__GNUC__)
#define TVL_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(gnu_printf, formatIndex, firstArgument)))
#else
#define TVL_PRINTF_FORMAT(formatIndex, firstArgument)
#endif
