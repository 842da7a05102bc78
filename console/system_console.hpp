#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "console/console_io.hpp"

namespace console {

// One line of the stream without its line end (LF, or CR LF); nothing when
// the input has ended before the line began.
// in : an open stream
inline std::optional<std::string> read_stream_line(std::FILE* in) {
  std::string line;
  int c = std::getc(in);
  if (c == EOF) return std::nullopt;
  while (c != EOF && c != '\n') {
    line.push_back(static_cast<char>(c));
    c = std::getc(in);
  }
  drop_line_end_cr(line);
  return line;
}

// The console on standard input and output.
class SystemConsole final : public Console {
 public:
  SystemConsole(std::FILE* in, std::FILE* out);
  std::optional<std::string> read_line() override;
  void write(std::string_view bytes) override;
  void clear_screen() override;
  void pause(int seconds) override;
  std::string today() override;

 private:
  std::FILE* in_;
  std::FILE* out_;
  bool out_is_terminal_;
};

}  // namespace console
