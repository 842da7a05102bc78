#pragma once

// The layout of valvenet-plan's readable table: the width of UTF-8 text on
// the screen, padding to a column, and report labels without their tabs.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plan {

// The width of a cell of the grid: the f11.3 form of the reports.
inline constexpr std::size_t kCell = 11;

// Characters shown on the screen: UTF-8 bytes that begin a character.
std::size_t display_width(std::string_view s);

// s and blanks after (right) or before (left) it, to at least width characters.
std::string pad_right(std::string_view s, std::size_t width);
std::string pad_left(std::string_view s, std::size_t width);

// A report label without its one leading blank and its tabs and "= " at the end.
std::string bare_label(std::string_view label);

// s without its leading blanks.
std::string trimmed(std::string s);

// s with &, <, > and " written as XML and HTML entities.
std::string markup_escaped(std::string_view s);
// The lines of a text, without their line ends.
std::vector<std::string> lines_of(std::string_view text);

// A frequency in the reports' f9.3 form, MHz, with its leading blanks.
std::string mhz_field(float f_mhz);

}  // namespace plan
