#include "printer/numform.hpp"

#include <array>
#include <cmath>
#include <cstdio>

namespace numform {

std::string fixed(float value, int width, int decimals) {
  std::string digits;
  if (std::isnan(value)) {
    digits = "NaN";
  } else if (std::isinf(value)) {
    digits = value < 0.0f ? "-Infinity" : "Infinity";
  } else {
    // Widening a float to double is exact, and the C library rounds the
    // exact binary value in the current rounding mode: to nearest, ties to even.
    std::array<char, 64> buffer{};
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, static_cast<double>(value));
    digits.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  const auto field = static_cast<std::size_t>(width);
  if (digits.size() > field) return std::string(field, '*');
  return std::string(field - digits.size(), ' ') + digits;
}

}  // namespace numform
