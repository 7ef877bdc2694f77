#pragma once
// std::bit_cast, which the WebAssembly build's C++ library (libc++ 14) lacks. Both compilers
// (g++ 12, clang 14) have the builtin the standard one is made of: constexpr, so a constant
// cast at namespace scope stays a constant folded into the code that uses it, as before.
#include <type_traits>

namespace qiro {

template <class To, class From>
  requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
           std::is_trivially_copyable_v<From>)
[[nodiscard]] constexpr To BitCast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}

}  // namespace qiro
