#pragma once

// Number entry: reads the real and whole numbers typed on a line.

#include <cstdint>
#include <optional>
#include <string_view>

#include "console/console_io.hpp"

namespace tochka {

// The real number of one typed line: its first 10 bytes, the first comma
// made a point, read in free form (sign, digits with an optional point, an
// exponent after E, D or Q or after a bare sign, or INF, INFINITY, NAN),
// ending at a blank, tab, comma, semicolon or slash. Nullopt when the line
// holds no readable number.
std::optional<float> parse_real(std::string_view line);

// The real number of a whole token in the same syntax, with no field of 10
// bytes, no comma and nothing before or after it (for command-line values).
// Nullopt when the token is not exactly one number.
std::optional<float> parse_real_token(std::string_view token);

enum class ItemKind { none, number, bad };

struct IntegerItem {
  ItemKind kind = ItemKind::none;  // none: the line holds only blanks
  std::int32_t value = 0;
};

// The first item of a line as a whole number in the signed 32-bit range.
IntegerItem parse_integer(std::string_view line);

// Reads one line and returns its real number (nullopt: no number on it).
std::optional<float> chislo(console::Console& con);

// Reads lines until one holds a whole number; a bad item gets bad_symbol
// as a message line and the read goes on.
std::int32_t chislointeger(console::Console& con, std::string_view bad_symbol);

// True for the blanks of every read: a space or a tab.
constexpr bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace tochka
