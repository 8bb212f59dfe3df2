#pragma once
// A failed property check in a fuzz target: says which, then aborts so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#define DM_FUZZ_CHECK(condition)                                                              \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "%s:%d: property violated: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)
