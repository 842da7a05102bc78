// The console on standard input and output, for Windows. The bytes go out as
// they are: no line-end translation and no code page switching (the user
// picks the console's code page with chcp to suit the program).

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <array>
#include <ctime>

#include "console/system_console.hpp"

namespace console {

namespace {

// Large enough for any one screen of the program, so that a whole report
// reaches the console in one write and no multi-byte character is split.
constexpr std::size_t kOutputBufferBytes = std::size_t{64} * 1024;

constexpr int kMillisecondsPerSecond = 1000;

// Ctrl+Z: typed at the start of a line in a console, it ends the input.
constexpr char kEndOfInput = '\x1a';

HANDLE os_handle(std::FILE* stream) {
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the C runtime hands out handles as integers
  return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
}

// True when the handle is a console screen buffer (not a pipe or a file).
bool is_console(HANDLE h) {
  DWORD mode = 0;
  return ::GetConsoleMode(h, &mode) != 0;
}

// True when the console takes virtual-terminal sequences, switching them on
// if it can.
bool accepts_vt_sequences(HANDLE h) {
  DWORD mode = 0;
  if (::GetConsoleMode(h, &mode) == 0) return false;
  if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) return true;
  return ::SetConsoleMode(h, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

// Blanks the visible window of a console that takes no sequences and puts the
// cursor at its top left; the scroll-back above it stays.
void clear_window(HANDLE h) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (::GetConsoleScreenBufferInfo(h, &info) == 0) return;
  const SMALL_RECT& w = info.srWindow;
  const COORD top_left{0, w.Top};
  const auto cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(w.Bottom - w.Top + 1);
  DWORD written = 0;
  ::FillConsoleOutputCharacterA(h, ' ', cells, top_left, &written);
  ::FillConsoleOutputAttribute(h, info.wAttributes, cells, top_left, &written);
  ::SetConsoleCursorPosition(h, COORD{w.Left, w.Top});
}

}  // namespace

SystemConsole::SystemConsole(std::FILE* in, std::FILE* out)
    : in_(in), out_(out), out_is_terminal_(is_console(os_handle(out))) {
  ::_setmode(::_fileno(in_), _O_BINARY);
  ::_setmode(::_fileno(out_), _O_BINARY);
  std::setvbuf(out_, nullptr, _IOFBF, kOutputBufferBytes);
}

std::optional<std::string> SystemConsole::read_line() {
  std::fflush(out_);
  std::optional<std::string> line = read_stream_line(in_);
  if (!line) return line;
  // In binary mode the C runtime no longer takes Ctrl+Z for the end; the
  // console user still means it so (a file or pipe passes it on as a byte).
  if (!line->empty() && line->front() == kEndOfInput && is_console(os_handle(in_))) {
    return std::nullopt;
  }
  return line;
}

void SystemConsole::write(std::string_view bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), out_);
}

// Cursor home and the visible screen erased; nothing when the output is a
// pipe or a file.
void SystemConsole::clear_screen() {
  if (!out_is_terminal_) return;
  std::fflush(out_);
  const HANDLE h = os_handle(out_);
  if (accepts_vt_sequences(h)) {
    write("\x1b[H\x1b[2J");
    std::fflush(out_);
  } else {
    clear_window(h);
  }
}

void SystemConsole::pause(int seconds) {
  std::fflush(out_);
  ::Sleep(static_cast<DWORD>(seconds) * kMillisecondsPerSecond);
}

std::string SystemConsole::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_s(&local, &now);
  std::array<char, 16> date{};
  const std::size_t n = std::strftime(date.data(), date.size(), "%Y%m%d", &local);
  return {date.data(), n};
}

}  // namespace console
