// A broken promise found while fuzzing: report it and stop, so that
// libFuzzer keeps the input.
#ifndef BRAMBLE_TESTS_LOADING_FUZZ_FUZZ_CHECK_H_
#define BRAMBLE_TESTS_LOADING_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                        \
    }                                                                      \
  } while (false)

#endif  // BRAMBLE_TESTS_LOADING_FUZZ_FUZZ_CHECK_H_
