#pragma once

#include <cstdio>
#include <cstdlib>

// Fuzz targets check invariants, not only crashes: a broken one aborts, so libFuzzer keeps the
// input as a finding and the corpus replay fails on it.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s, line %d)\n", what, #condition,         \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Every target defines this entry point, for libFuzzer and for the corpus replay alike.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size);
