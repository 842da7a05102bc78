// The real console over files: the bytes pass unchanged both ways (no line-end
// translation on Windows either), nothing is written to clear a screen that
// is not a terminal, and the date has its eight digits.

#include "console/system_console.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "test_files.hpp"

namespace {

using testing_support::read_file;
using testing_support::write_file;

TEST(SystemConsole, PassesBytesUnchangedAndClearsNothingInAFile) {
  testing_support::TempDir dir;
  const auto in_path = dir.path() / "in";
  const auto out_path = dir.path() / "out";
  write_file(in_path, "one\r\ntwo\n\r\n\x1a\xd0\xb1\nlast");
  std::FILE* in = std::fopen(in_path.string().c_str(), "rb");
  std::FILE* out = std::fopen(out_path.string().c_str(), "wb");
  ASSERT_TRUE(in != nullptr && out != nullptr);
  std::vector<std::string> lines;
  {
    console::SystemConsole con(in, out);
    for (std::optional<std::string> line = con.read_line(); line; line = con.read_line()) {
      lines.push_back(*line);
    }
    con.write("\xd0\x90\r\n");
    con.clear_screen();
    con.write("\x8f\n\r\n");
    const std::string date = con.today();
    ASSERT_EQ(date.size(), 8u);
    EXPECT_EQ(date.find_first_not_of("0123456789"), std::string::npos) << date;
    EXPECT_GE(date, "2000");
  }
  std::fclose(in);
  std::fclose(out);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "\x1a\xd0\xb1", "last"}));
  EXPECT_EQ(read_file(out_path), "\xd0\x90\r\n\x8f\n\r\n");
}

}  // namespace
