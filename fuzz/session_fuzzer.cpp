// Fuzz target for a whole session: any bytes as standard input of both
// programs, the stage calculation included, the report file in a folder of
// its own. Every run must end, with status 0 only after menu item 9 and with
// status 1 only when the input is used up.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "fuzz/properties.hpp"
#include "main/program.hpp"
#include "tests/scripted_console.hpp"
#include "text/texts.hpp"

namespace {

using fuzzing::require;

// A menu value change is two lines and a whole calculation, some 30 ms with
// the sanitizers at the slowest inputs: past this many lines a session
// would only test the fuzzer's patience, not the program.
constexpr std::size_t kMaxLines = 120;

// The folder of pi_kontur.txt, made once per fuzzing process.
const std::filesystem::path& report_folder() {
  static const std::filesystem::path folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "valvenet-fuzz-XXXXXX").string();
    require(::mkdtemp(name.data()) != nullptr, "a temporary folder can be made");
    std::atexit([] { std::filesystem::remove_all(report_folder()); });
    return std::filesystem::path(name);
  }();
  return folder;
}

std::size_t count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + what.size())) {
    ++n;
  }
  return n;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool every_line_ends_with_cr_lf(std::string_view out) {
  for (std::size_t at = out.find('\n'); at != std::string_view::npos; at = out.find('\n', at + 1)) {
    if (at == 0 || out[at - 1] != '\r') return false;
  }
  return true;
}

void run_session(std::string_view input, text::Encoding encoding) {
  const std::filesystem::path report = report_folder() / "pi_kontur.txt";
  std::filesystem::remove(report);
  testing_support::ScriptedConsole con(std::string(input), kMaxLines);
  const int status = program::run(con, encoding, report.string());

  require(status == 0 || status == 1, "the exit status is 0 or 1");
  if (status == 0) {
    require(con.output().ends_with(" 73!\r\n"), "status 0 comes only after menu item 9");
  } else {
    require(con.input_ended(), "status 1 comes only at the end of input");
  }
  require(every_line_ends_with_cr_lf(con.output()), "every console line ends with CR LF");
  const std::size_t saves = count(con.output(), text::console_texts(encoding).saved);
  const std::string file = read_file(report);
  require(count(file, " Дата: ") == saves,
          "the file holds exactly one report for every save confirmed");
  require(file.empty() || file.ends_with("\r\n"), "the file ends with a whole line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  run_session(input, text::Encoding::utf8);
  run_session(input, text::Encoding::cp866);
  return 0;
}
