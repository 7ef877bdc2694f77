#pragma once
// An invariant a fuzz target holds: a broken one aborts, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}
