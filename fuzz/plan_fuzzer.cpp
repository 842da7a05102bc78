// Fuzz target for valvenet-plan's inputs, in two modes picked by the first
// byte:
//   'f' : the rest after the second byte is the --inputs file; the second
//         byte picks valid further options (kExtras).
//   else: the input is lines, each one argument built from the program's own
//         option names (read from its --help): "name value" gives --name and
//         value, "name=value" gives --name=value, "name" alone gives --name;
//         a line that starts with no option name is a bare value.
// Every run must end with status 0, 1 or 2, with a message on standard error
// for 1 and 2 and nothing on standard output for 2. Files named by --plot
// and --inputs are always inside a temporary folder, which is also the
// working folder (so give libFuzzer absolute paths, as fuzz/run-fuzzers does).

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/properties.hpp"
#include "plan/cli/app.hpp"

namespace {

using fuzzing::require;

// A Pi-L design takes some 60 ms with the sanitizers: past some 30
// frequencies a run would only test the fuzzer's patience. A command line
// of this many arguments holds every option and a few frequencies; a file
// with more frequencies than this is left out.
constexpr std::size_t kMaxArguments = 32;
constexpr std::size_t kMaxFileFrequencies = 12;

// The options whose value names a file: never given as typed.
constexpr std::string_view kPlot = "--plot";
constexpr std::string_view kInputs = "--inputs";

// The file of the first mode, inside the folder.
constexpr std::string_view kInputsFile = "inputs.json";

// The temporary folder, made once per fuzzing process and made the working
// folder, so that even a path the fuzzer did not foresee stays inside it.
const std::filesystem::path& work_folder() {
  static const std::filesystem::path folder = [] {
    std::string name =
        (std::filesystem::temp_directory_path() / "valvenet-plan-fuzz-XXXXXX").string();
    require(::mkdtemp(name.data()) != nullptr, "a temporary folder can be made");
    std::atexit([] { std::filesystem::remove_all(work_folder()); });
    std::filesystem::current_path(name);
    return std::filesystem::path(name);
  }();
  return folder;
}

// Every "--name" the program's English help mentions, without the dashes,
// longest first so that a line is matched by the longest name it starts with.
std::vector<std::string> read_option_names() {
  std::ostringstream out;
  std::ostringstream err;
  require(plan::run({"--help", "--lang", "en"}, out, err) == 0, "--help succeeds");
  const std::string help = out.str();
  std::vector<std::string> names;
  for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
    std::size_t end = at + 2;
    while (end < help.size() &&
           (std::isalnum(static_cast<unsigned char>(help[end])) != 0 || help[end] == '-')) {
      ++end;
    }
    if (end > at + 2) names.push_back(help.substr(at + 2, end - at - 2));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() > b.size() : a < b;
  });
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

bool mentioned(const std::vector<std::string>& names, std::string_view option) {
  return std::find(names.begin(), names.end(), option.substr(2)) != names.end();
}

const std::vector<std::string>& option_names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n = read_option_names();
    require(mentioned(n, kPlot) && mentioned(n, kInputs),
            "the help names the options that take a file");
    return n;
  }();
  return names;
}

// A path inside the folder made of the letters and digits of what was given
// (no dots, no slashes: it cannot leave the folder).
std::string path_in_folder(std::string_view given, std::string_view otherwise) {
  std::string name;
  for (const char c : given) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) name += c;
  }
  return (work_folder() / (name.empty() ? std::string(otherwise) : name)).string();
}

// A bare value never starts like an option, lest it name one the fuzzer
// does not know takes a file; a negative number may.
std::string bare_value(std::string_view line) {
  const bool option_like = line.size() > 1 && line[0] == '-' &&
                           std::isdigit(static_cast<unsigned char>(line[1])) == 0 &&
                           line[1] != '.' && line[1] != ',';
  return option_like ? std::string("x") + std::string(line) : std::string(line);
}

// The arguments one line stands for, appended to args.
void add_line(std::string_view line, std::vector<std::string>& args) {
  for (const std::string& name : option_names()) {
    if (!line.starts_with(name)) continue;
    const std::string_view rest = line.substr(name.size());
    if (!rest.empty() && rest[0] != ' ' && rest[0] != '=') continue;
    const std::string option = "--" + name;
    const std::string_view value = rest.empty() ? rest : rest.substr(1);
    if (option == kPlot || option == kInputs) {
      args.insert(args.end(), {option, path_in_folder(value, option == kPlot ? "plot.svg" : "")});
    } else if (rest.empty()) {
      args.push_back(option);
    } else if (rest[0] == ' ') {
      args.insert(args.end(), {option, std::string(value)});
    } else {
      args.push_back(option + "=" + std::string(value));
    }
    return;
  }
  args.push_back(bare_value(line));
}

std::vector<std::string> arguments_from_lines(std::string_view input) {
  std::vector<std::string> args;
  while (!input.empty() && args.size() < kMaxArguments) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    add_line(input.substr(0, end), args);
    input.remove_prefix(std::min(end + 1, input.size()));
  }
  return args;
}

// The further options of the first mode, one bit each of the second byte.
const std::array<std::vector<std::string>, 7> kExtras{{
    {"--format", "json"},
    {"--format", "csv"},
    {"--network", "pi-l"},
    {"--lang", "en"},
    {"--raise-q"},
    {"--freq", "7.1"},
    {"--plot"},  // with a file in the folder
}};

// A file whose frequencies would make the run too slow to be worth it.
bool too_many_frequencies(std::string_view file) {
  const nlohmann::json doc = nlohmann::json::parse(file, nullptr, false);
  if (!doc.is_object() || !doc.contains("inputs") || !doc["inputs"].is_object()) return false;
  const nlohmann::json& inputs = doc["inputs"];
  return inputs.contains("f_mhz") && inputs["f_mhz"].is_array() &&
         inputs["f_mhz"].size() > kMaxFileFrequencies;
}

std::vector<std::string> arguments_with_file(std::string_view input) {
  const std::uint8_t extras = input.empty() ? 0 : static_cast<std::uint8_t>(input[0]);
  input.remove_prefix(std::min<std::size_t>(1, input.size()));
  const std::filesystem::path file = work_folder() / kInputsFile;
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(input.data(), static_cast<std::streamsize>(input.size()));
  std::vector<std::string> args{std::string(kInputs), file.string()};
  for (std::size_t bit = 0; bit < kExtras.size(); ++bit) {
    if ((extras >> bit & 1U) == 0) continue;
    require(mentioned(option_names(), kExtras[bit].front()),
            "every further option is the program's");
    args.insert(args.end(), kExtras[bit].begin(), kExtras[bit].end());
    if (kExtras[bit].front() == kPlot) args.push_back(path_in_folder("", "plot.svg"));
  }
  return args;
}

void run_plan(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = plan::run(args, out, err);
  require(status == 0 || status == 1 || status == 2, "the exit status is 0, 1 or 2");
  if (status != 0) require(!err.str().empty(), "a failure is explained on standard error");
  if (status == 2) require(out.str().empty(), "bad arguments write nothing on standard output");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.starts_with('f')) {
    input.remove_prefix(1);
    if (input.size() > 1 && too_many_frequencies(input.substr(1))) return -1;
    run_plan(arguments_with_file(input));
  } else {
    run_plan(arguments_from_lines(input));
  }
  return 0;
}
