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
// The width of a screen line of the help, in characters.
inline constexpr std::size_t kHelpWidth = 80;

// The words of `text` (split at blanks and line ends) set in lines of at
// most `width` characters, where they fit: the first line after `first`,
// the others after `indent` blanks, each ended by a line end. A word longer
// than a line stands alone on its line.
// first : the first line's lead, width(first) < width;  indent : < width
std::string wrapped(std::string_view text, std::string_view first, std::size_t indent,
                    std::size_t width = kHelpWidth);
// The words of a text: the runs between blanks and line ends; with
// keep_brackets a bracket's contents ("[--lang ru|en]") are one word.
std::vector<std::string> words_of(std::string_view text, bool keep_brackets);

// The same for words given one by one: a word may hold blanks ("[--margin K]").
std::string wrapped(const std::vector<std::string>& words, std::string_view first,
                    std::size_t indent, std::size_t width = kHelpWidth);

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(std::string_view text);

// A frequency in the reports' f9.3 form, MHz, with its leading blanks.
std::string mhz_field(float f_mhz);

}  // namespace plan
