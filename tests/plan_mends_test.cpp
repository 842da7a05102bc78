// The mends of issue 15, each where it could break again: an unknown
// option no longer hides the other mistakes, --inputs without a value names
// the file as --help does, the cut-off angle's limit is told as 180, and the
// language of a run is kept in "inputs" (the command line still wins).

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "plan/cli/option_table.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/json.hpp"
#include "plan_fixtures.hpp"
#include "test_files.hpp"

namespace {

using Args = std::vector<std::string>;

Args stage(const Args& more) {
  return testing_support::example_args(more);
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(PlanMends, AnUnknownOptionHidesNoOtherMistake) {
  const testing_support::PlanRun r = testing_support::run_plan(
      stage({"--bogus", "--network", "pi-l", "--r-mid", "10", "--freq", "7.1"}));
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "неизвестный ключ --bogus")) << r.err;
  EXPECT_TRUE(has(r.err, "--r-mid")) << r.err;
  EXPECT_EQ(r.err.find("--bogus"), r.err.rfind("--bogus")) << r.err;
  // And the same for --plot over several frequencies.
  const testing_support::PlanRun p =
      testing_support::run_plan(stage({"--bogus", "--freq", "7.1", "14.2", "--plot", "x.svg"}));
  EXPECT_EQ(p.status, 2);
  EXPECT_TRUE(has(p.err, "--bogus")) << p.err;
  EXPECT_TRUE(has(p.err, "--plot")) << p.err;
}

TEST(PlanMends, InputsWithoutAValueNamesTheFileAsTheHelpDoes) {
  const testing_support::PlanRun ru = testing_support::run_plan({"--inputs"});
  EXPECT_EQ(ru.status, 2);
  EXPECT_TRUE(has(ru.err, "ФАЙЛ.json")) << ru.err;
  EXPECT_FALSE(has(ru.err, "FILE.json")) << ru.err;
  EXPECT_TRUE(has(plan::help_text(plan::kRussianTexts), "--inputs ФАЙЛ.json"));
  const testing_support::PlanRun en = testing_support::run_plan({"--lang", "en", "--inputs"});
  EXPECT_TRUE(has(en.err, "FILE.json")) << en.err;
}

TEST(PlanMends, TheAngleIsToldAtMost180) {
  for (const plan::PlanTexts* t : {&plan::kRussianTexts, &plan::kEnglishTexts}) {
    // The help's words, whatever lines they were set in.
    const std::string help = std::regex_replace(plan::help_text(*t), std::regex("\\s+"), " ");
    EXPECT_FALSE(has(help, "180.001") || has(help, "180,001")) << help;
    EXPECT_TRUE(has(help, t->decimal_mark == ',' ? "не больше 180 градусов" : "at most 180"))
        << help;
  }
  Args args = stage({"--freq", "7.1", "--lang", "en"});
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--angle") args[i + 1] = "181";
  }
  const testing_support::PlanRun r = testing_support::run_plan(args);
  EXPECT_TRUE(has(r.err, "at most 180 ")) << r.err;
  // The range itself still takes 180 degrees and the tolerance above it.
  EXPECT_TRUE(plan::option(plan::OptionId::angle).range->accepts(180.0f));
}

TEST(PlanMends, TheLanguageIsKeptInInputsAndTheCommandLineWins) {
  const testing_support::TempDir dir;
  const std::string path = (dir.path() / "en.json").string();
  const testing_support::PlanRun saved =
      testing_support::run_plan(stage({"--freq", "7.1", "--lang", "en", "--format", "json"}));
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(plan::Json::parse(saved.out)["inputs"]["lang"].get<std::string>(), "en");
  testing_support::write_file(path, saved.out);
  const testing_support::PlanRun en = testing_support::run_plan({"--inputs", path});
  EXPECT_EQ(en.status, 0) << en.err;
  EXPECT_EQ(en.out, testing_support::run_plan(stage({"--freq", "7.1", "--lang", "en"})).out);
  const testing_support::PlanRun ru = testing_support::run_plan({"--inputs", path, "--lang", "ru"});
  EXPECT_EQ(ru.out, testing_support::run_plan(stage({"--freq", "7.1"})).out);
  // A wrong word in the file is named with the file and the key.
  std::string bad = saved.out;
  bad.replace(bad.find("\"lang\": \"en\""), 12, "\"lang\": 7");
  testing_support::write_file(path, bad);
  const testing_support::PlanRun wrong = testing_support::run_plan({"--inputs", path});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_TRUE(has(wrong.err, "lang")) << wrong.err;
}

// Every option of the table is told by --help once, in both languages, and
// every key of "inputs" is an option's.
TEST(PlanMends, EveryOptionOfTheTableIsInTheHelpAndItsOwnPlace) {
  for (std::size_t i = 0; i < plan::kOptionCount; ++i) {
    EXPECT_EQ(static_cast<std::size_t>(plan::option_table()[i].id), i);
  }
  for (const plan::PlanTexts* t : {&plan::kRussianTexts, &plan::kEnglishTexts}) {
    const std::string help = plan::help_text(*t);
    for (const plan::OptionSpec& o : plan::option_table()) {
      const std::string entry = "\n  " + std::string(o.name);
      EXPECT_TRUE(has(help, entry)) << o.name;
      EXPECT_EQ(help.find(entry + ' '), help.rfind(entry + ' ')) << o.name;
    }
  }
}

}  // namespace
