#include "console/tochka.hpp"

#include <cstdlib>
#include <limits>
#include <string>

namespace tochka {

namespace {

constexpr std::size_t kRealField = 10;

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool is_sign(char c) {
  return c == '+' || c == '-';
}
constexpr bool ends_real(char c) {
  return is_blank(c) || c == ',' || c == ';' || c == '/';
}
constexpr bool is_exponent_letter(char c) {
  return c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q';
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char upper = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
    if (upper != b[i]) return false;
  }
  return true;
}

std::size_t count_digits(std::string_view s, std::size_t at) {
  std::size_t n = 0;
  while (at + n < s.size() && is_digit(s[at + n])) ++n;
  return n;
}

// The token in C syntax for strtof, or nullopt when it is no number.
std::optional<std::string> normalise_real(std::string_view token) {
  std::string out;
  std::size_t at = 0;
  if (at < token.size() && is_sign(token[at])) out.push_back(token[at++]);
  const std::string_view body = token.substr(at);
  if (equals_ignoring_case(body, "INF") || equals_ignoring_case(body, "INFINITY") ||
      equals_ignoring_case(body, "NAN")) {
    return out + std::string(body);
  }
  const std::size_t whole = count_digits(token, at);
  out.append(token.substr(at, whole));
  at += whole;
  std::size_t fraction = 0;
  if (at < token.size() && token[at] == '.') {
    fraction = count_digits(token, at + 1);
    out.append(token.substr(at, fraction + 1));
    at += fraction + 1;
  }
  if (whole + fraction == 0) return std::nullopt;
  if (at == token.size()) return out;

  if (is_exponent_letter(token[at])) ++at;
  out.push_back('e');
  if (at < token.size() && is_sign(token[at])) out.push_back(token[at++]);
  const std::size_t exponent = count_digits(token, at);
  if (exponent == 0 || at + exponent != token.size()) return std::nullopt;
  out.append(token.substr(at, exponent));
  return out;
}

}  // namespace

std::optional<float> parse_real(std::string_view line) {
  std::string field(line.substr(0, kRealField));
  if (const std::size_t comma = field.find(','); comma != std::string::npos) field[comma] = '.';
  std::size_t begin = 0;
  while (begin < field.size() && is_blank(field[begin])) ++begin;
  std::size_t end = begin;
  while (end < field.size() && !ends_real(field[end])) ++end;
  return parse_real_token(std::string_view(field).substr(begin, end - begin));
}

std::optional<float> parse_real_token(std::string_view token) {
  const std::optional<std::string> text = normalise_real(token);
  if (!text) return std::nullopt;
  return std::strtof(text->c_str(), nullptr);
}

IntegerItem parse_integer(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && is_blank(line[begin])) ++begin;
  if (begin == line.size()) return {};
  std::size_t end = begin;
  while (end < line.size() && !ends_real(line[end])) ++end;
  const std::string_view item = line.substr(begin, end - begin);

  std::size_t at = 0;
  const bool negative = !item.empty() && item[0] == '-';
  if (!item.empty() && is_sign(item[0])) ++at;
  if (at == item.size()) return {ItemKind::bad, 0};
  // Accumulated as a negative number, so that the lowest int32 fits too.
  std::int64_t magnitude = 0;
  for (; at < item.size(); ++at) {
    if (!is_digit(item[at])) return {ItemKind::bad, 0};
    magnitude = magnitude * 10 + (item[at] - '0');
    if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
      return {ItemKind::bad, 0};
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return {ItemKind::bad, 0};
  return {ItemKind::number, static_cast<std::int32_t>(value)};
}

std::optional<float> chislo(console::Console& con) {
  return parse_real(console::require_line(con));
}

std::int32_t chislointeger(console::Console& con, std::string_view bad_symbol) {
  while (true) {
    const IntegerItem item = parse_integer(console::require_line(con));
    if (item.kind == ItemKind::number) return item.value;
    if (item.kind == ItemKind::bad) console::write_message(con, bad_symbol);
  }
}

}  // namespace tochka
