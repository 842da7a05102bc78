// What a reader of valvenet-plan's texts meets: a count with its noun in
// the right form, a help that fits an 80-column screen and names every
// option, and results and warnings in the reader's words, not the
// command line's.

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "plan/cli/option_table.hpp"
#include "plan/texts/plural.hpp"
#include "plan/texts/text_layout.hpp"
#include "plan/texts/texts.hpp"
#include "plan_fixtures.hpp"

namespace {

using Args = std::vector<std::string>;

Args stage(const Args& more) {
  Args a{"--p-out",     "1000",    "--e-supply", "2800", "--r-load",    "50",      "--exponent",
         "1.5",         "--angle", "70",         "--q0", "200",         "--u-min", "250",
         "--filter-db", "45",      "--c-tube",   "15",   "--c-var-min", "8"};
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(PlanTexts, ACountTakesItsNounsFormForItsNumber) {
  struct Case {
    std::uint64_t n;
    const char* ru;
    const char* en;
  };
  const std::vector<Case> cases{
      {0, "0 нагрузок", "0 loads"},       {1, "1 нагрузка", "1 load"},
      {2, "2 нагрузки", "2 loads"},       {4, "4 нагрузки", "4 loads"},
      {5, "5 нагрузок", "5 loads"},       {11, "11 нагрузок", "11 loads"},
      {12, "12 нагрузок", "12 loads"},    {14, "14 нагрузок", "14 loads"},
      {21, "21 нагрузка", "21 loads"},    {22, "22 нагрузки", "22 loads"},
      {31, "31 нагрузка", "31 loads"},    {43, "43 нагрузки", "43 loads"},
      {72, "72 нагрузки", "72 loads"},    {101, "101 нагрузка", "101 loads"},
      {111, "111 нагрузок", "111 loads"}, {112, "112 нагрузок", "112 loads"},
      {122, "122 нагрузки", "122 loads"}, {200, "200 нагрузок", "200 loads"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(plan::counted(plan::Language::ru, c.n, plan::kRussianTexts.loads), c.ru);
    EXPECT_EQ(plan::counted(plan::Language::en, c.n, plan::kEnglishTexts.loads), c.en);
  }
  // Every count to 200 by the rule told by the tens digit: a teen takes
  // «нагрузок», else the units decide.
  for (std::uint64_t n = 0; n <= 200; ++n) {
    const std::uint64_t tens = n / 10 % 10;
    const std::uint64_t units = n % 10;
    plan::PluralForm want = plan::PluralForm::many;
    if (tens != 1 && units == 1) want = plan::PluralForm::one;
    if (tens != 1 && units >= 2 && units <= 4) want = plan::PluralForm::few;
    EXPECT_EQ(plan::plural_form(plan::Language::ru, n), want) << n;
  }
}

TEST(PlanTexts, EveryHelpFitsEightyColumnsAndItsUsageNamesEveryOption) {
  for (const char* lang : {"ru", "en"}) {
    for (const Args& command : {Args{}, Args{"coil"}, Args{"choke"}}) {
      Args args = command;
      args.insert(args.end(), {"--help", "--lang", lang});
      const testing_support::PlanRun r = testing_support::run_plan(args);
      ASSERT_EQ(r.status, 0) << r.err;
      for (const std::string& line : plan::lines_of(r.out)) {
        EXPECT_LE(plan::display_width(line), 80U) << lang << ": " << line;
      }
      if (!command.empty()) continue;
      // The usage: from the top to the first group's heading.
      const std::string word(lang == std::string("ru") ? plan::kRussianTexts.help_usage_word
                                                       : plan::kEnglishTexts.help_usage_word);
      const std::string usage = r.out.substr(0, r.out.find("\n\n", r.out.find(word)));
      for (const plan::OptionSpec& o : plan::option_table()) {
        EXPECT_TRUE(has(usage, std::string(o.name) + ' ') || has(usage, std::string(o.name) + ']'))
            << lang << ": " << o.name;
      }
      EXPECT_TRUE(has(usage, "--q0 ") && has(usage, "|coil")) << usage;
      EXPECT_TRUE(has(usage, "valvenet-plan coil ")) << usage;
      // --help is the last option the help describes.
      EXPECT_EQ(r.out.rfind("\n  --"), r.out.find("\n  --help\n")) << lang;
    }
  }
}

TEST(PlanTexts, ResultsAndWarningsSpeakTheReadersWords) {
  const Args coil{"--coil-diameter", "50", "--wire", "2", "--pitch", "4"};
  struct Case {
    Args args;
    std::vector<std::string> present;  // in the Russian table
  };
  Args q0_coil = stage(coil);
  q0_coil[11] = "coil";  // --q0's value
  q0_coil.insert(q0_coil.end(), {"--bands", "ham"});
  Args swr = stage(coil);
  swr.insert(swr.end(), {"--freq", "7.1", "14.15", "--c1-max", "500", "--c2-range", "50:2000",
                         "--swr", "2", "--raise-q"});
  Args pi_l = swr;
  pi_l.insert(pi_l.end(), {"--network", "pi-l"});
  const std::vector<Case> cases{
      {q0_coil,
       {"Q0         = от катушки", "Q0 расчёта (от катушки)",
        "кажущаяся добротность катушки 829 выше наибольшей Q0"}},
      {swr, {"7.100 МГц: 72 нагрузки при КСВ 2", "ёмкости: да", "С гор., наименьшая", "Расчёт "}},
      {pi_l, {"П-L-контур: П-звено", "П-L-контур, 7.100 МГц: 72 нагрузки"}},
  };
  // Option names, a Latin C in the plan's own capacitor rows (the
  // console's 35 labels keep theirs) and the plan's words without their ё.
  const std::regex foreign(
      "--[a-z]|C гор|C горячего конденсатора,|разделительн\\S* C|Расчет|шагу расчета|отклонен "
      "|горячей емкости");
  for (const Case& c : cases) {
    const testing_support::PlanRun r = testing_support::run_plan(c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const std::string& p : c.present) EXPECT_TRUE(has(r.out, p)) << p;
    for (const std::string& line : plan::lines_of(r.out)) {
      EXPECT_FALSE(std::regex_search(line, foreign)) << line;
    }
  }
}

}  // namespace
