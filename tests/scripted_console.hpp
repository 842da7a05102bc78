#pragma once

// A console whose input is a script of bytes and whose output is kept, with
// no real screen and no real sleeping: whole sessions run in-process, in the
// tests and in the fuzz targets.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console_io.hpp"

namespace testing_support {

class ScriptedConsole final : public console::Console {
 public:
  // input     : the lines typed, each ended by LF (CR LF is taken as well)
  // max_lines : lines read before the input counts as ended, >= 0
  explicit ScriptedConsole(std::string input, std::size_t max_lines = SIZE_MAX)
      : input_(std::move(input)), lines_left_(max_lines) {}

  // From now on, a read that comes right after the output ends with prompt
  // gets answer, without taking a line of the script.
  void answer_prompt(std::string prompt, std::string answer) {
    prompt_ = std::move(prompt);
    answer_ = std::move(answer);
  }

  std::optional<std::string> read_line() override {
    if (prompt_due()) {
      answered_at_ = output_.size();
      ++prompts_answered_;
      return answer_;
    }
    if (at_ >= input_.size() || lines_left_ == 0) {
      input_ended_ = true;
      return std::nullopt;
    }
    std::size_t end = input_.find('\n', at_);
    if (end == std::string::npos) end = input_.size();
    std::string line = input_.substr(at_, end - at_);
    at_ = end + 1;
    --lines_left_;
    ++lines_read_;
    console::drop_line_end_cr(line);
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
  int prompts_answered() const { return prompts_answered_; }
  // True once a read has found no line left.
  bool input_ended() const { return input_ended_; }

 private:
  bool prompt_due() const {
    return !prompt_.empty() && output_.ends_with(prompt_) && answered_at_ != output_.size();
  }

  std::string input_;
  std::size_t at_ = 0;
  std::size_t lines_left_;
  std::string output_;
  std::vector<int> pauses_;
  int screens_cleared_ = 0;
  int lines_read_ = 0;
  bool input_ended_ = false;
  std::string prompt_;
  std::string answer_;
  std::size_t answered_at_ = std::string::npos;
  int prompts_answered_ = 0;
};

// Joins lines into a script, each ended by LF.
inline std::string script(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace testing_support
