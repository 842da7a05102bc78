// The initial-data dialog, the yes/no answer and the console report.

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "console/terminal.hpp"
#include "scripted_console.hpp"

namespace {

using testing_support::script;
using testing_support::ScriptedConsole;

const text::ConsoleTexts& t = text::console_texts(text::Encoding::utf8);

// A valid answer for each of the eleven prompts, in the order asked.
std::vector<std::string> valid_answers() {
  return {"100", "1000", "50", "1", "90", "200", "100", "50", "10", "5", "7"};
}

// Runs the dialog with prompt `index` answered first by each refused value
// and then by `accepted`; returns how often that prompt was written.
struct PromptRun {
  stage::StageInputs inputs;
  std::size_t prompts_written;
};
PromptRun answer_prompt(std::size_t index, const std::vector<std::string>& refused,
                        const std::string& accepted) {
  std::vector<std::string> lines = valid_answers();
  lines.erase(lines.begin() + static_cast<long>(index));
  std::vector<std::string> tried = refused;
  tried.push_back(accepted);
  lines.insert(lines.begin() + static_cast<long>(index), tried.begin(), tried.end());
  ScriptedConsole con(script(lines));
  PromptRun run{terminal::input_terminal(con, t), 0};
  const std::string& out = con.output();
  for (std::size_t at = out.find(t.dialog_prompts[index]); at != std::string::npos;
       at = out.find(t.dialog_prompts[index], at + 1)) {
    ++run.prompts_written;
  }
  return run;
}

void expect_refused_then_accepted(std::size_t index, const std::vector<std::string>& refused,
                                  const std::string& accepted) {
  const PromptRun run = answer_prompt(index, refused, accepted);
  EXPECT_EQ(run.prompts_written, refused.size() + 1) << "prompt " << index + 1;
}

TEST(Dialog, ReturnsTheElevenValuesInSiUnits) {
  ScriptedConsole con(
      script({"200", "2000", "50", "1,5", "90", "200", "200", "45", "12", "10", "14.2"}));
  const stage::StageInputs in = terminal::input_terminal(con, t);
  EXPECT_EQ(in.p_out, 200.0f);
  EXPECT_EQ(in.tube_exponent, 1.5f);
  EXPECT_EQ(in.c_tube, 12.0f * 1e-12f);
  EXPECT_EQ(in.c_var_min, 10.0f * 1e-12f);
  EXPECT_EQ(in.f_hz, 14.2f * 1e6f);
  EXPECT_EQ(con.output().substr(0, 2), "\r\n");
}

TEST(Dialog, EachPromptHoldsItsBounds) {
  expect_refused_then_accepted(0, {"0.1", "5000.5", "0"}, "0.11");
  expect_refused_then_accepted(0, {}, "5000");
  expect_refused_then_accepted(1, {"3", "10001"}, "10000");
  expect_refused_then_accepted(2, {"0.1", "-5"}, "1e6");
  expect_refused_then_accepted(3, {"0.9", "2.2"}, "0.95");
  expect_refused_then_accepted(3, {}, "2.05");
  expect_refused_then_accepted(4, {"25", "180.002"}, "180.001");
  expect_refused_then_accepted(4, {}, "25.5");
  expect_refused_then_accepted(5, {"49.99", "750.01"}, "50");
  expect_refused_then_accepted(5, {}, "750");
  expect_refused_then_accepted(7, {"28.89", "70.1"}, "28.9");
  expect_refused_then_accepted(9, {"0.19", "151"}, "0.2");
  expect_refused_then_accepted(10, {"0.05", "60.5"}, "60");
  expect_refused_then_accepted(10, {}, "0.1");
}

TEST(Dialog, MinimumAnodeVoltageIsHeldBelowNinetyFivePercentOfTheSupply) {
  expect_refused_then_accepted(6, {"951", "0.49", "1500.5"}, "950");  // E = 1000
  expect_refused_then_accepted(6, {}, "0.5");
  std::vector<std::string> lines = valid_answers();
  lines[1] = "400";
  lines[6] = "390";
  lines.insert(lines.begin() + 7, "380");
  ScriptedConsole con(script(lines));
  EXPECT_EQ(terminal::input_terminal(con, t).u_min, 380.0f);
}

TEST(Dialog, CapacitancePromptsRepeatBothTheirLines) {
  const PromptRun run = answer_prompt(8, {"0.99"}, "1");
  EXPECT_EQ(run.prompts_written, 2u);
  EXPECT_EQ(run.inputs.c_tube, 1e-12f);
  std::vector<std::string> lines = valid_answers();
  lines.insert(lines.begin() + 8, "0.5");
  ScriptedConsole con(script(lines));
  terminal::input_terminal(con, t);
  const std::string twice = " " + std::string(t.dialog_first_line_9) + "\r\n" +
                            std::string(t.dialog_prompts[8]) + " " +
                            std::string(t.dialog_first_line_9) + "\r\n";
  EXPECT_NE(con.output().find(twice.substr(0, twice.size() - 2)), std::string::npos);
}

TEST(Dialog, RefusesWhatIsNoFiniteNumberLikeAnOutOfRangeValue) {
  expect_refused_then_accepted(0, {"", "  ", "abc", "1.5.3", "/", "NAN", "INF"}, "100");
  expect_refused_then_accepted(2, {"INFINITY", "+inf", "nan"}, "50");
  expect_refused_then_accepted(8, {"inf", "-nan"}, "10");
}

TEST(Dialog, EndOfInputEndsTheDialog) {
  ScriptedConsole con(script({"100", "1000"}));
  EXPECT_THROW(terminal::input_terminal(con, t), console::InputEnded);
}

TEST(YesNoAnswer, OnlyTheSingleLetterMeansYes) {
  for (const char* yes : {"y", "Y", "Н", "н", "  y", "y ", "y,no", "\ty\tz"}) {
    EXPECT_TRUE(terminal::is_yes(yes, t)) << yes;
  }
  for (const char* no : {"n", "yes", "Yy", "'y'", "y/", ",y", "", "да", "НН", "y;", "Y."}) {
    EXPECT_FALSE(terminal::is_yes(no, t)) << no;
  }
}

TEST(YesNoAnswer, CodePage866LettersAreOneByte) {
  const text::ConsoleTexts& cp = text::console_texts(text::Encoding::cp866);
  EXPECT_TRUE(terminal::is_yes("\x8d", cp));
  EXPECT_TRUE(terminal::is_yes("\xad", cp));
  EXPECT_FALSE(terminal::is_yes("\x8d\x8d", cp));
  EXPECT_FALSE(terminal::is_yes("Н", cp));  // UTF-8 bytes are not the cp866 letter
}

TEST(YesNoAnswer, SkipsBlankLinesAndStopsAtTheEndOfInput) {
  ScriptedConsole con(script({"", " \t ", " y"}));
  EXPECT_TRUE(terminal::read_yes_no(con, t));
  ScriptedConsole gone(script({"", "  "}));
  EXPECT_THROW(terminal::read_yes_no(gone, t), console::InputEnded);
}

stage::StageResults healthy_results() {
  stage::StageResults r;
  r.p_output = 100.0f;
  r.eff_network_pct = 95.0f;
  r.eff_total_pct = 70.0f;
  r.filter_achieved_db = 50.0f;
  r.p_h2_out_mw = 1.0f;
  return r;
}

std::string warnings_of(const stage::StageResults& r, int hot_cap_warning = 0) {
  const std::string report =
      terminal::console_report(r, {}, warnings::decide(r, hot_cap_warning), t);
  // Between the empty line after result 25 and the one before the starting values.
  const std::size_t from = report.find("\r\n\r\n", 2) + 4;
  const std::size_t to = report.find("\r\n " + std::string(t.inputs_heading));
  return report.substr(from, to - from);
}

TEST(ConsoleReport, EfficiencyWarnsOnlyAtTheLowestThresholdPassed) {
  stage::StageResults r = healthy_results();
  const auto warn = [&](float pct) {
    r.eff_network_pct = pct;
    return warnings_of(r);
  };
  EXPECT_EQ(warn(79.9f), " " + std::string(t.warnings[0]) + "\r\n");
  EXPECT_EQ(warn(80.0f), " " + std::string(t.warnings[1]) + "\r\n");
  EXPECT_EQ(warn(89.9f), " " + std::string(t.warnings[2]) + "\r\n");
  EXPECT_EQ(warn(90.0f), "");
  EXPECT_EQ(warn(std::numeric_limits<float>::quiet_NaN()), "");
}

TEST(ConsoleReport, FilteringWarningNeedsMoreThanFifteenWatts) {
  stage::StageResults r = healthy_results();
  r.filter_achieved_db = 39.99f;
  r.p_output = 20.0f;
  EXPECT_EQ(warnings_of(r), " " + std::string(t.warnings[3]) + "\r\n");
  r.p_output = 15.0f;
  EXPECT_EQ(warnings_of(r), "");
  r.p_output = 20.0f;
  r.filter_achieved_db = 39.999f;
  EXPECT_EQ(warnings_of(r), "");
}

TEST(ConsoleReport, StrictThresholdsAndTheHotCapacitanceComesLast) {
  stage::StageResults r = healthy_results();
  r.p_h2_out_mw = 50.0f;
  r.eff_total_pct = 50.0f;
  EXPECT_EQ(warnings_of(r), "");
  r.p_h2_out_mw = 50.1f;
  r.eff_total_pct = 49.9f;
  EXPECT_EQ(warnings_of(r, 1), " " + std::string(t.warnings[4]) + "\r\n " +
                                   std::string(t.warnings[5]) + "\r\n " +
                                   std::string(t.warnings[6]) + "\r\n");
}

TEST(ConsoleReport, LinesEndInCrLfAndWideValuesBecomeAsterisks) {
  stage::StageResults r = healthy_results();
  r.r_oe = 1e7f;
  r.l_uh = -std::numeric_limits<float>::infinity();
  const std::string report = terminal::console_report(r, {}, warnings::decide(r, 0), t);
  EXPECT_NE(report.find(" 15. Входное сопр. П-контура (Roe), Ом\t\t= ***********\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" 19. L  П-контура, мкГн\t\t\t\t=   -Infinity\r\n"), std::string::npos);
  for (std::size_t at = report.find('\n'); at != std::string::npos;
       at = report.find('\n', at + 1)) {
    ASSERT_EQ(report[at - 1], '\r');
  }
}

TEST(ConsoleReport, StartingValuesShowPicofaradsAndMegahertz) {
  stage::StageInputs in;
  in.f_hz = 14.2f * 1e6f;
  in.c_tube = 12.0f * 1e-12f;
  const std::string report =
      terminal::console_report(healthy_results(), in, warnings::decide(healthy_results(), 0), t);
  EXPECT_NE(report.find(std::string(t.inputs_right[0]) + "    14.20\r\n"), std::string::npos);
  EXPECT_NE(report.find(std::string(t.inputs_left[3]) + "    12.00       "), std::string::npos);
}

}  // namespace
