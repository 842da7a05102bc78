#include "plan/texts/number_text.hpp"

#include <array>
#include <charconv>
#include <cstdio>

namespace plan {

std::string float_text(float value) {
  std::array<char, 32> buf{};
  const std::to_chars_result r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return std::string(buf.data(), r.ptr);
}

std::string fixed_text(double v, int decimals) {
  std::array<char, 512> buf{};
  std::snprintf(buf.data(), buf.size(), "%.*f", decimals, v);
  return buf.data();
}

}  // namespace plan
