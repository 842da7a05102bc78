#include "console/system_console.hpp"

#include <unistd.h>

#include <array>
#include <chrono>
#include <ctime>
#include <thread>

namespace console {

SystemConsole::SystemConsole(std::FILE* in, std::FILE* out)
    : in_(in), out_(out), out_is_terminal_(::isatty(::fileno(out)) == 1) {}

std::optional<std::string> SystemConsole::read_line() {
  std::fflush(out_);
  return read_stream_line(in_);
}

void SystemConsole::write(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), out_);
}

// Cursor home and erase the visible screen; the scroll-back stays, so the
// user can scroll up to an earlier report. Nothing when the output is a
// pipe or a file.
void SystemConsole::clear_screen() {
  if (out_is_terminal_) write("\x1b[H\x1b[2J");
}

void SystemConsole::pause(int seconds) {
  std::fflush(out_);
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
}

std::string SystemConsole::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  std::array<char, 16> date{};
  const std::size_t n = std::strftime(date.data(), date.size(), "%Y%m%d", &local);
  return {date.data(), n};
}

}  // namespace console
