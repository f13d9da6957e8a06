// tests/fuzz/fuzz_support.h
#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a crash: libFuzzer keeps the input that caused it.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
