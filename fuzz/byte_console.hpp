#pragma once

// A console over a buffer of bytes for the fuzz targets: no screen, no real
// sleeping, a fixed date; the output is kept so that the targets can check it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "console/console_io.hpp"

namespace fuzzing {

class ByteConsole final : public console::Console {
 public:
  // max_lines : lines read before the input counts as ended, >= 0
  explicit ByteConsole(std::string_view input, std::size_t max_lines = SIZE_MAX)
      : input_(input), lines_left_(max_lines) {}

  std::optional<std::string> read_line() override {
    if (at_ >= input_.size() || lines_left_ == 0) {
      input_ended_ = true;
      return std::nullopt;
    }
    std::size_t end = input_.find('\n', at_);
    if (end == std::string_view::npos) end = input_.size();
    std::string line(input_.substr(at_, end - at_));
    at_ = end + 1;
    --lines_left_;
    console::drop_line_end_cr(line);
    return line;
  }
  void write(std::string_view bytes) override { output_.append(bytes); }
  void clear_screen() override {}
  void pause(int /*seconds*/) override {}
  std::string today() override { return "20261208"; }

  const std::string& output() const { return output_; }
  // True once a read has found no line left.
  bool input_ended() const { return input_ended_; }

 private:
  std::string_view input_;
  std::size_t at_ = 0;
  std::size_t lines_left_;
  std::string output_;
  bool input_ended_ = false;
};

// Stops the run as a crash when a property of the program does not hold.
inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace fuzzing
