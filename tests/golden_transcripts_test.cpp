// Every reference transcript, replayed in-process: the same standard input
// must give the same bytes on standard output, the same exit status and the
// same pi_kontur.txt (date digits masked).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "main/program.hpp"
#include "scripted_console.hpp"
#include "test_files.hpp"
#include "tolerant_compare.hpp"

namespace {

namespace fs = std::filesystem;
using testing_support::read_file;

struct GoldenCase {
  std::string encoding;
  std::string name;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.encoding << '/' << c.name;
}

std::vector<GoldenCase> golden_cases() {
  std::vector<GoldenCase> cases;
  for (const char* encoding : {"utf8", "cp866"}) {
    const fs::path root = fs::path(VALVENET_GOLDEN_DIR) / encoding;
    for (const auto& entry : fs::directory_iterator(root)) {
      if (entry.is_directory()) cases.push_back({encoding, entry.path().filename().string()});
    }
  }
  std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) {
    return a.encoding + a.name < b.encoding + b.name;
  });
  return cases;
}

// Byte for byte; on Windows, whose float functions may round differently in
// the last bit, numbers need only agree to four significant digits.
bool matches(const std::string& expected, const std::string& actual) {
#ifdef _WIN32
  return tolerant::compare(expected, actual).agrees;
#else
  return expected == actual;
#endif
}

class GoldenTranscript : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTranscript, ReproducesOutputExitStatusAndFile) {
  const GoldenCase& c = GetParam();
  const fs::path dir = fs::path(VALVENET_GOLDEN_DIR) / c.encoding / c.name;
  testing_support::TempDir work;
  const fs::path report = work.path() / "pi_kontur.txt";
  if (read_file(dir / "about").find("directory") != std::string::npos) {
    fs::create_directory(report);
  }

  testing_support::ScriptedConsole con(read_file(dir / "input"));
  const text::Encoding encoding =
      c.encoding == "utf8" ? text::Encoding::utf8 : text::Encoding::cp866;
  const int status = program::run(con, encoding, report.string());

  EXPECT_EQ(std::to_string(status), read_file(dir / "exit_status").substr(0, 1));
  EXPECT_TRUE(matches(read_file(dir / "stdout"), con.output())) << "standard output differs";
  if (fs::exists(dir / "pi_kontur.txt")) {
    EXPECT_TRUE(
        matches(read_file(dir / "pi_kontur.txt"), testing_support::mask_dates(read_file(report))))
        << "pi_kontur.txt differs";
  } else if (!fs::is_directory(report)) {
    EXPECT_FALSE(fs::exists(report));
  }
}

INSTANTIATE_TEST_SUITE_P(Transcripts, GoldenTranscript, ::testing::ValuesIn(golden_cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           std::string name = info.param.encoding + "_" + info.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
