#pragma once

// The one door between the program and its user: every read, write, screen
// clearing and pause goes through it, so a whole session can be scripted.

#include <optional>
#include <string>
#include <string_view>

#include "text/texts.hpp"

namespace console {

// Thrown when standard input ends at a read: the program then stops at once.
struct InputEnded {};

class Console {
 public:
  virtual ~Console() = default;
  // The next input line without its line end; nullopt at the end of input.
  virtual std::optional<std::string> read_line() = 0;
  virtual void write(std::string_view bytes) = 0;
  virtual void clear_screen() = 0;
  virtual void pause(int seconds) = 0;
  // Today's local date as YYYYMMDD.
  virtual std::string today() = 0;
};

// Takes the line end off a line: the one CR that ended it, if any.
inline void drop_line_end_cr(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

// The next line, or InputEnded when there is none.
inline std::string require_line(Console& con) {
  std::optional<std::string> line = con.read_line();
  if (!line) throw InputEnded{};
  return std::move(*line);
}

inline void write_line(Console& con, std::string_view text) {
  con.write(text);
  con.write(text::kLineEnd);
}

// A message line: one blank, the text, the line end.
inline void write_message(Console& con, std::string_view text) {
  con.write(" ");
  write_line(con, text);
}

inline void write_empty_line(Console& con) {
  con.write(text::kLineEnd);
}

}  // namespace console
