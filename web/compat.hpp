#pragma once

// What the page's build needs and the libc++ of Debian's emscripten (3.1.6)
// lacks, written out here; web/libcxx_compat.hpp offers it under the
// library's names only where that libc++ has none, so a native build (and
// its tests of this file) keeps the library's own.
// - shortest_text: std::to_chars of a float without a format: the fewest
//   significant digits that read back as the same float, the nearest of
//   them, written as printf's %f or %e would, whichever is shorter (%f on a
//   tie; a whole number in %f keeps all its digits). The digits come from
//   the C library's correctly rounded printf.
// - complete_integrals: std::comp_ellint_1 and std::comp_ellint_2 (the
//   coil's Nagaoka factor) by the arithmetic-geometric mean, right to a
//   few units in the last place of a double; glibc's build is further off
//   near k = 1 (about 1e-12), so the coil's numbers may differ from it in
//   their last digits.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string>
#include <utility>

namespace web_compat {

// A float's most significant digits: 9 always read back as the same float.
inline constexpr int kMostFloatDigits = 9;

struct Decimal {
  std::string digits;  // no trailing zeros; value = d.ddd x 10^exponent
  int exponent = 0;
};

// The n-digit decimal printf rounds v (> 0, finite) to, moved by step units
// in its last digit.
inline Decimal rounded(float v, int n, int step) {
  std::array<char, 48> buf{};
  std::snprintf(buf.data(), buf.size(), "%.*e", n - 1, static_cast<double>(v));
  const std::string text(buf.data());
  const std::size_t e = text.find('e');
  std::string digits;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  int exponent = std::atoi(text.c_str() + e + 1);
  long long m = std::atoll(digits.c_str()) + step;
  if (m <= 0) return {};
  digits = std::to_string(m);
  exponent += static_cast<int>(digits.size()) - n;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return {digits, exponent};
}

inline std::string scientific_text(const Decimal& d) {
  std::string out(1, d.digits.front());
  if (d.digits.size() > 1) out += '.' + d.digits.substr(1);
  std::array<char, 16> exp{};  // "e", a sign and an int
  std::snprintf(exp.data(), exp.size(), "e%c%02d", d.exponent < 0 ? '-' : '+',
                std::abs(d.exponent));
  return out + exp.data();
}

// v as %f writes it with the digits of d; a whole number beyond d's digits
// has all of its own digits, as %.0f writes them (123456792, not 123456790).
inline std::string fixed_text(const Decimal& d, float v) {
  const int n = static_cast<int>(d.digits.size());
  if (n <= d.exponent + 1) {
    std::array<char, 64> whole{};
    std::snprintf(whole.data(), whole.size(), "%.0f", static_cast<double>(v));
    return whole.data();
  }
  if (d.exponent < 0)
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + '.' + d.digits.substr(point);
}

// The n-digit decimal nearest v that reads back as v, if one does: printf's
// nearest, else the neighbour of it on v's other side (next to a power of
// two the gap below v is half the gap above). Both neighbours cannot read
// back while the nearest between them does not, so none is nearer.
inline Decimal reading_back(float v, int n) {
  for (const int step : {0, -1, 1}) {
    const Decimal d = rounded(v, n, step);
    if (!d.digits.empty() && std::strtof(scientific_text(d).c_str(), nullptr) == v) return d;
  }
  return {};
}

// The shortest decimal of v (> 0, finite) that reads back as v; of several,
// the nearest. If n digits read back, so do n + 1 (the n-digit decimal is
// one of them, and the nearest lies between it and v or beside v with its
// neighbour between), so the fewest digits are found by bisection.
inline Decimal shortest(float v) {
  int fails = 0;                 // a count of digits known not to read back
  int reads = kMostFloatDigits;  // a count known to read back
  Decimal best = reading_back(v, reads);
  while (reads - fails > 1) {
    const int n = (fails + reads) / 2;
    Decimal d = reading_back(v, n);
    if (d.digits.empty()) {
      fails = n;
    } else {
      reads = n;
      best = std::move(d);
    }
  }
  return best;
}

inline std::string shortest_text(float v) {
  if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  const std::string sign = std::signbit(v) ? "-" : "";
  if (v == 0.0f) return sign + "0";
  const Decimal d = shortest(std::fabs(v));
  const std::string fixed = fixed_text(d, std::fabs(v));
  const std::string sci = scientific_text(d);
  return sign + (sci.size() < fixed.size() ? sci : fixed);
}

struct Integrals {
  double k;  // K(k)
  double e;  // E(k)
};

// The mean's steps until a and b agree to the last bit: it converges
// quadratically, so a double needs at most six; twelve is a safe bound.
inline constexpr int kMostMeanSteps = 12;

// K and E of modulus k, 0 <= k < 1, from one run of the mean:
// K = pi / (2 AGM(1, k')), E = K (1 - sum 2^(n-1) c_n^2), c_0 = k.
inline Integrals complete_integrals(double k) {
  double a = 1.0;
  double b = std::sqrt((1.0 - k) * (1.0 + k));
  double weight = 0.5;
  double sum = weight * k * k;
  for (int step = 0; step < kMostMeanSteps && a != b; ++step) {
    const double c = 0.5 * (a - b);
    const double mean = 0.5 * (a + b);
    b = std::sqrt(a * b);
    a = mean;
    weight *= 2.0;
    sum += weight * c * c;
  }
  const double big_k = std::numbers::pi / (2.0 * a);
  return {big_k, big_k * (1.0 - sum)};
}

}  // namespace web_compat
