#pragma once

#include <cstdio>

#include "console/console_io.hpp"

namespace console {

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
