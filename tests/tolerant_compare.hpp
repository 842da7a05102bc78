#pragma once

// Agreement of an output with its reference when the platform's float
// functions may round differently in the last bit (Windows): every byte the
// same, except numbers, which may differ when they agree to four significant
// digits. Texts, blanks, line ends and the count of numbers must match.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tolerant {

// The largest relative difference of two numbers that agree to four
// significant digits: half a unit in the fourth digit of the larger.
inline constexpr double kFourDigits = 5e-4;

// |a - b| relative to the larger magnitude; 0 when both are equal (or both
// NaN), infinity when only one is NaN.
inline double relative_difference(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return 0.0;
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::infinity();
  if (a == b) return 0.0;
  return std::fabs(a - b) / std::max(std::fabs(a), std::fabs(b));
}

// expected, actual : the two values
// scale            : a magnitude the difference may also be judged against
//                    (the fundamental, for a harmonic that is rounding noise); 0 if none
inline bool agrees(double expected, double actual, double scale = 0.0) {
  return relative_difference(expected, actual) <= kFourDigits ||
         std::fabs(expected - actual) <= kFourDigits * std::fabs(scale);
}

struct Token {
  bool number = false;
  std::string_view bytes;
};

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the number starting at text[at] (sign, digits, point,
// exponent), or 0 when none starts there.
inline std::size_t number_length(std::string_view text, std::size_t at) {
  std::size_t i = at;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && is_digit(text[j])) {
      i = j;
      digits();
    }
  }
  return i - at;
}

// Splits a text into numbers and the bytes between them.
inline std::vector<Token> tokens(std::string_view text) {
  std::vector<Token> out;
  std::size_t text_from = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t n = number_length(text, i);
    if (n == 0) {
      ++i;
      continue;
    }
    if (i > text_from) out.push_back({false, text.substr(text_from, i - text_from)});
    out.push_back({true, text.substr(i, n)});
    i += n;
    text_from = i;
  }
  if (text_from < text.size()) out.push_back({false, text.substr(text_from)});
  return out;
}

struct Comparison {
  bool exact = false;             // byte for byte
  bool agrees = false;            // exact, or every difference a number within four digits
  double largest_relative = 0.0;  // over the numbers that differ
  std::string first_difference;   // where they first disagree, when they do
};

// The line of text that holds byte pos, without its line end.
inline std::string_view line_around(std::string_view text, std::size_t pos) {
  pos = std::min(pos, text.size());
  const std::size_t from = text.rfind('\n', pos == 0 ? 0 : pos - 1);
  const std::size_t begin = from == std::string_view::npos || from >= pos ? 0 : from + 1;
  std::size_t end = text.find('\n', pos);
  if (end == std::string_view::npos) end = text.size();
  if (end > begin && text[end - 1] == '\r') --end;
  return text.substr(begin, end - begin);
}

// Where two texts first differ inside token w of expected and h of actual.
inline std::string describe(std::string_view expected, std::string_view actual, std::string_view w,
                            std::string_view h) {
  std::size_t same = 0;
  while (same < w.size() && same < h.size() && w[same] == h[same]) ++same;
  const auto at_w = static_cast<std::size_t>(w.data() - expected.data()) + same;
  const auto at_h = static_cast<std::size_t>(h.data() - actual.data()) + same;
  const auto line = std::count(expected.begin(), expected.begin() + static_cast<long>(at_w), '\n');
  return "line " + std::to_string(line + 1) + ": expected \"" +
         std::string(line_around(expected, at_w)) + "\", got \"" +
         std::string(line_around(actual, at_h)) + "\"";
}

// expected : the reference bytes
// actual   : the bytes produced
inline Comparison compare(std::string_view expected, std::string_view actual) {
  Comparison c;
  c.exact = expected == actual;
  c.agrees = true;
  if (c.exact) return c;
  const std::vector<Token> want = tokens(expected);
  const std::vector<Token> have = tokens(actual);
  for (std::size_t i = 0; i < std::max(want.size(), have.size()); ++i) {
    const std::string_view w = i < want.size() ? want[i].bytes : expected.substr(expected.size());
    const std::string_view h = i < have.size() ? have[i].bytes : actual.substr(actual.size());
    if (w == h) continue;
    if (i < want.size() && i < have.size() && want[i].number && have[i].number) {
      const double r = relative_difference(std::strtod(std::string(w).c_str(), nullptr),
                                           std::strtod(std::string(h).c_str(), nullptr));
      c.largest_relative = std::max(c.largest_relative, r);
      if (r <= kFourDigits) continue;
    }
    c.agrees = false;
    c.first_difference = describe(expected, actual, w, h);
    break;
  }
  return c;
}

}  // namespace tolerant
