#pragma once

// A console whose input is a script of bytes and whose output is kept, with
// no real screen and no real sleeping: whole sessions run in-process.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console_io.hpp"

namespace testing_support {

class ScriptedConsole final : public console::Console {
 public:
  explicit ScriptedConsole(std::string input) : input_(std::move(input)) {}

  std::optional<std::string> read_line() override {
    if (at_ >= input_.size()) return std::nullopt;
    const std::size_t end = input_.find('\n', at_);
    std::string line = input_.substr(at_, end == std::string::npos ? std::string::npos : end - at_);
    at_ = end == std::string::npos ? input_.size() : end + 1;
    console::drop_line_end_cr(line);
    ++lines_read_;
    return line;
  }
  void write(std::string_view bytes) override { output_.append(bytes); }
  void clear_screen() override { ++screens_cleared_; }
  void pause(int seconds) override { pauses_.push_back(seconds); }
  std::string today() override { return "20261208"; }

  const std::string& output() const { return output_; }
  const std::vector<int>& pauses() const { return pauses_; }
  int screens_cleared() const { return screens_cleared_; }
  int lines_read() const { return lines_read_; }

 private:
  std::string input_;
  std::size_t at_ = 0;
  std::string output_;
  std::vector<int> pauses_;
  int screens_cleared_ = 0;
  int lines_read_ = 0;
};

// Joins lines into a script, each ended by LF.
inline std::string script(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace testing_support
