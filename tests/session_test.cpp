// Whole sessions through the main loop: the menu, value changes, saving,
// the critical-Q abort and the end of input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/program.hpp"
#include "scripted_console.hpp"
#include "test_files.hpp"
#include "text/texts.hpp"

namespace {

using testing_support::read_file;
using testing_support::script;
using testing_support::ScriptedConsole;

const text::ConsoleTexts& t = text::console_texts(text::Encoding::utf8);

const std::vector<std::string> kDialog = {"100", "1000", "50", "1", "90", "200",
                                          "100", "50",   "10", "5", "7"};

std::vector<std::string> then(std::vector<std::string> lines,
                              const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

std::size_t count(const std::string& haystack, std::string_view needle) {
  std::size_t n = 0;
  for (std::size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1)) {
    ++n;
  }
  return n;
}

struct Session {
  int status;
  std::string output;
  std::vector<int> pauses;
  std::string file;
  bool file_exists;
};

Session run_session(const std::vector<std::string>& lines,
                    text::Encoding encoding = text::Encoding::utf8) {
  testing_support::TempDir dir;
  const auto report = dir.path() / "pi_kontur.txt";
  ScriptedConsole con(script(lines));
  const int status = program::run(con, encoding, report.string());
  return {status, con.output(), con.pauses(), read_file(report), std::filesystem::exists(report)};
}

TEST(Session, ExitsWithSeventyThreeAfterNine) {
  const Session s = run_session(then(kDialog, {"9"}));
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(s.pauses, std::vector<int>{1});
  const std::string ending = " " + std::string(t.goodbye) + "\r\n";
  EXPECT_EQ(s.output.substr(s.output.size() - ending.size()), ending);
  EXPECT_FALSE(s.file_exists);
}

TEST(Session, OtherChoicesRedrawWithoutRecalculating) {
  const Session s = run_session(then(kDialog, {"0", "10", "-1", "9"}));
  EXPECT_EQ(count(s.output, t.calculating), 1u);
  EXPECT_EQ(count(s.output, t.menu_prompt), 4u);
  EXPECT_EQ(count(s.output, t.bad_symbol), 0u);
}

TEST(Session, BadMenuItemsGetTheMessageAndANewRead) {
  const Session s = run_session(then(kDialog, {"abc", "7.0", ",", "/", ";", "", "9"}));
  EXPECT_EQ(count(s.output, t.bad_symbol), 5u);
  EXPECT_EQ(count(s.output, t.menu_prompt), 1u);
  EXPECT_EQ(s.status, 0);
}

TEST(Session, SavingTwiceAppendsTheSameReportTwice) {
  const Session s = run_session(then(kDialog, {"7", "7", "9"}));
  EXPECT_EQ(count(s.output, t.saved), 2u);
  EXPECT_EQ(s.pauses, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(count(s.output, t.calculating), 1u);
  const std::size_t half = s.file.size() / 2;
  ASSERT_EQ(s.file.size() % 2, 0u);
  EXPECT_EQ(s.file.substr(0, half), s.file.substr(half));
  const std::string date_line = " Дата: 20261208" + std::string(17, ' ') + "\r\n";
  EXPECT_EQ(s.file.substr(0, date_line.size()), date_line);
}

TEST(Session, AFailedSaveIsReportedAndLeavesNothingBehind) {
  testing_support::TempDir dir;
  const auto report = dir.path() / "pi_kontur.txt";
  std::filesystem::create_directory(report);
  ScriptedConsole con(script(then(kDialog, {"7", "9"})));
  EXPECT_EQ(program::run(con, text::Encoding::utf8, report.string()), 0);
  EXPECT_EQ(count(con.output(), t.save_failed), 1u);
  EXPECT_EQ(count(con.output(), t.saved), 0u);
  EXPECT_EQ(con.pauses(), (std::vector<int>{1, 1}));
  EXPECT_TRUE(std::filesystem::is_directory(report));
}

TEST(Session, ChoiceEightAsksAllElevenValuesAgain) {
  const Session s = run_session(then(then(kDialog, {"8"}), then(kDialog, {"9"})));
  EXPECT_EQ(count(s.output, t.dialog_prompts[0]), 2u);
  EXPECT_EQ(count(s.output, t.dialog_prompts[10]), 2u);
  EXPECT_EQ(count(s.output, t.calculating), 2u);
}

TEST(Session, CriticalQAbortPausesSevenSecondsAndRestartsTheDialog) {
  const std::vector<std::string> hopeless = {"1",   "10000", "1",  "1", "90", "50",
                                             "100", "50",    "10", "5", "7"};
  const Session s = run_session(then(then(hopeless, kDialog), {"9"}));
  EXPECT_EQ(s.pauses, (std::vector<int>{7, 1}));
  const std::string abort =
      " " + std::string(t.calculating) + "\r\n\r\n " + std::string(t.abort_lines[0]) + "\r\n " +
      std::string(t.abort_lines[1]) + "\r\n\r\n " + std::string(t.abort_lines[2]) + "\r\n";
  EXPECT_NE(s.output.find(abort), std::string::npos);
  EXPECT_EQ(count(s.output, t.banner[0]), 2u);
}

TEST(Session, ValueChangesHoldTheirBoundsAndRecalculate) {
  struct Change {
    std::string choice;
    std::vector<std::string> refused;
    std::string accepted;
  };
  const std::vector<Change> changes = {
      {"1", {"60.5", "0.05", "nan"}, "60"},
      {"1", {}, "0.1"},
      {"2", {"28.8", "70.5"}, "28.9"},
      {"3", {"0.1", "5000.1", "inf"}, "5000"},
      {"4", {"3", "10001", "104"}, "105"},
      {"5", {"0.5", "1500.5", "951"}, "950"},
      {"6", {"25", "180.01", "-inf"}, "180.001"},
      {"6", {}, "180"},
  };
  for (const Change& c : changes) {
    std::vector<std::string> lines = then(kDialog, {c.choice});
    lines = then(lines, c.refused);
    lines = then(lines, {c.accepted, "9"});
    const Session s = run_session(lines);
    const auto index = static_cast<std::size_t>(std::stoi(c.choice) - 1);
    EXPECT_EQ(s.status, 0) << c.choice;
    EXPECT_EQ(count(s.output, t.new_value[index]), c.refused.size() + 1) << c.choice;
    EXPECT_EQ(count(s.output, t.calculating), 2u) << c.choice;
    EXPECT_EQ(count(s.output, t.recalculate_all), c.choice == "1" ? 0u : 1u) << c.choice;
  }
}

TEST(Session, ValueChangeShowsTheCurrentValue) {
  const Session s = run_session(then(kDialog, {"1", "14", "3", "250", "9"}));
  EXPECT_NE(s.output.find(std::string(t.current_value[0]) + "       7.000\r\n"), std::string::npos);
  EXPECT_NE(s.output.find(std::string(t.current_value[2]) + "     100.000\r\n"), std::string::npos);
}

TEST(Session, EndOfInputAtAnyReadEndsWithStatusOneAndNothingMore) {
  // In the dialog, at the menu, in a value change, and at the yes/no question.
  const std::vector<std::string> hot = {"100", "1000", "50",  "1",  "90", "200",
                                        "100", "50",   "300", "20", "7"};
  for (const auto& lines :
       {std::vector<std::string>{"100", "1000"}, kDialog, then(kDialog, {"3", "0.01"}), hot}) {
    const Session s = run_session(lines);
    EXPECT_EQ(s.status, 1);
    EXPECT_TRUE(s.pauses.empty());
  }
  const Session at_menu = run_session(kDialog);
  const std::string prompt(t.menu_prompt);
  EXPECT_EQ(at_menu.output.substr(at_menu.output.size() - prompt.size()), prompt);
}

TEST(Session, CodePage866SessionWritesTheSameBytesConverted) {
  const auto lines = then(kDialog, {"0", "2", "60", "7", "9"});
  const Session utf8 = run_session(lines, text::Encoding::utf8);
  const Session cp866 = run_session(lines, text::Encoding::cp866);
  EXPECT_TRUE(cp866.output == text::utf8_to_cp866(utf8.output));
  EXPECT_TRUE(cp866.file == utf8.file);  // the file report is UTF-8 in both
}

TEST(Session, HostileInputIsRefusedWithoutHarm) {
  std::vector<std::string> lines = {std::string(1 << 20, '7'), std::string(300, '\0'),
                                    "\xff\xfe\xd0", std::string(5000, ' ') + "x"};
  lines = then(lines, kDialog);
  lines = then(lines, {std::string(1 << 16, '9'),
                       std::string("\0"
                                   "9",
                                   2),
                       "9"});
  const Session s = run_session(lines);
  EXPECT_EQ(s.status, 0);
  EXPECT_EQ(count(s.output, t.bad_symbol), 2u);
}

TEST(Session, CrLfInputReadsLikeLfInput) {
  std::string crlf;
  for (const std::string& line : then(kDialog, {"7", "9"})) crlf += line + "\r\n";
  testing_support::TempDir dir;
  ScriptedConsole con(crlf);
  EXPECT_EQ(program::run(con, text::Encoding::utf8, (dir.path() / "r.txt").string()), 0);
  const Session lf = run_session(then(kDialog, {"7", "9"}));
  EXPECT_TRUE(con.output() == lf.output);
}

}  // namespace
