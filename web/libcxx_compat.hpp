#pragma once

// Included before every source of the page's build (preset web): the names
// of the standard library that the libc++ of Debian's emscripten lacks, from
// web/compat.hpp, declared only where that libc++ has none.

#include <version>

#if !defined(__cpp_lib_bit_cast) || !defined(__cpp_lib_to_chars) || \
    !defined(__cpp_lib_math_special_functions)
#include <charconv>
#include <cstring>
#include <type_traits>

#include "web/compat.hpp"

// NOLINTBEGIN(cert-dcl58-cpp): the library's own names, missing from this libc++
namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
#endif

#if !defined(__cpp_lib_to_chars)
inline to_chars_result to_chars(char* first, char* last, float value) {
  const std::string text = web_compat::shortest_text(value);
  if (text.size() > static_cast<std::size_t>(last - first)) return {last, errc::value_too_large};
  std::memcpy(first, text.data(), text.size());
  return {first + text.size(), errc{}};
}
#endif

#if !defined(__cpp_lib_math_special_functions)
inline double comp_ellint_1(double k) {
  return web_compat::complete_integrals(k).k;
}

inline double comp_ellint_2(double k) {
  return web_compat::complete_integrals(k).e;
}
#endif

}  // namespace std
// NOLINTEND(cert-dcl58-cpp)
#endif
