#pragma once
// An invariant a fuzz target holds: a broken one aborts, so libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

// Takes values off the fuzzer's bytes in turn; past the end they read as zero.
struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  template <class T>
  T Take() {
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
  }
};
