#pragma once
// std::bit_cast, which the WebAssembly build's C++ library (libc++ 14) lacks: a copy of the
// object representation, which the compilers turn into the same register move.
#include <cstring>
#include <type_traits>

namespace qiro {

template <class To, class From>
  requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
           std::is_trivially_copyable_v<From>)
[[gnu::always_inline]] inline To BitCast(const From& from) noexcept {
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

}  // namespace qiro
