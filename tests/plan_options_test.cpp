// The command line of valvenet-plan: every starting value checked against
// the dialog's range, bad arguments end with exit status 2 and a message
// that names the option, and nothing is computed.

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "plan/cli/app.hpp"
#include "plan/cli/options.hpp"
#include "plan_fixtures.hpp"

namespace {

using Args = std::vector<std::string>;

std::string join(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view p : parts) out += p;
  return out;
}

using Ran = testing_support::PlanRun;

Ran run(const Args& args) {
  return testing_support::run_plan(args);
}

// The example, one value per option.
const std::vector<std::pair<std::string, std::string>> kGood{
    {"--p-out", "400"}, {"--e-supply", "2500"}, {"--r-load", "50"}, {"--exponent", "1.5"},
    {"--angle", "80"},  {"--q0", "200"},        {"--u-min", "250"}, {"--filter-db", "45"},
    {"--c-tube", "12"}, {"--c-var-min", "8"},
};

// The good arguments with one option's value replaced (or the option left
// out, when value is nullopt), and a frequency.
Args with(const std::string& option, std::optional<std::string> value,
          const Args& more = {"--freq", "14.15"}) {
  Args a;
  for (const auto& [name, v] : kGood) {
    if (name == option) {
      if (!value) continue;
      a.push_back(name);
      a.push_back(*value);
    } else {
      a.push_back(name);
      a.push_back(v);
    }
  }
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

void expect_refused(const Args& args, const std::string& named, const std::string& also = "") {
  const Ran r = run(args);
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty()) << "nothing is computed or written: " << r.out.substr(0, 200);
  EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
  if (!also.empty()) {
    EXPECT_NE(r.err.find(also), std::string::npos) << r.err;
  }
}

// Below and above each range (where it has an upper bound), the bound that
// is excluded, and the first values just inside.
struct RangeCase {
  std::string option;
  std::vector<std::string> refused;
  std::vector<std::string> accepted;
  std::string range_text;
};

const std::vector<RangeCase> kRanges{
    {"--p-out",
     {"0.1", "0", "-5", "5000.01", "6000"},
     {"0.11", "5000"},
     "больше 0,1 и не больше 5000 Вт"},
    {"--e-supply", {"3", "10001"}, {"3.01", "10000"}, "больше 3 и не больше 10000 В"},
    {"--r-load", {"0.1", "-50"}, {"0.11", "1e6"}, "больше 0,1 Ом"},
    {"--exponent", {"0.9", "2.11"}, {"0.95", "2.1"}, "больше 0,9 и не больше 2,1"},
    {"--angle", {"25", "180.01"}, {"25.5", "180.001"}, "больше 25 и не больше 180 градусов"},
    {"--q0", {"49.9", "750.1"}, {"50", "750"}, "от 50 до 750"},
    {"--u-min", {"0.4", "1501"}, {"0.5", "1500"}, "от 0,5 до 1500 В"},
    {"--filter-db", {"28.8", "70.1"}, {"28.9", "70"}, "от 28,9 до 70 дБ"},
    {"--c-tube", {"0.99", "-1"}, {"1", "1000"}, "не меньше 1 пФ"},
    {"--c-var-min", {"0.19", "150.1"}, {"0.2", "150"}, "от 0,2 до 150 пФ"},
};

TEST(PlanOptions, EachValueOutOfRangeIsRefusedNamingOptionRangeAndValue) {
  for (const RangeCase& c : kRanges) {
    for (const std::string& v : c.refused) {
      SCOPED_TRACE(join({c.option, " ", v}));
      // --p-out=-5 form so that a negative value is never taken for an option.
      Args a = with(c.option, std::nullopt);
      a.push_back(join({c.option, "=", v}));
      expect_refused(a, join({c.option, ": ", v, " вне пределов"}), c.range_text);
    }
  }
}

TEST(PlanOptions, ValuesJustInsideEachRangeAreAccepted) {
  for (const RangeCase& c : kRanges) {
    for (const std::string& v : c.accepted) {
      SCOPED_TRACE(join({c.option, " ", v}));
      Args a = with(c.option, v);
      // A supply of 3.01 V needs a u-min of at most 0.95 x 3.01 V.
      if (c.option == "--e-supply") {
        for (std::size_t i = 0; i + 1 < a.size(); ++i) {
          if (a[i] == "--u-min") a[i + 1] = "0.5";
        }
      }
      const plan::Parsed p = plan::parse_options(a);
      EXPECT_EQ(p.kind, plan::Parsed::Kind::run) << (p.errors.empty() ? "" : p.errors.front());
    }
  }
}

TEST(PlanOptions, EachMissingValueIsNamedWithItsRange) {
  for (const RangeCase& c : kRanges) {
    SCOPED_TRACE(c.option);
    expect_refused(with(c.option, std::nullopt), c.option + " не задан", c.range_text);
  }
  expect_refused(with("--p-out", "400", {}), "не заданы частоты");
}

TEST(PlanOptions, NonNumericValuesAreRefused) {
  for (const auto& [option, _] : kGood) {
    for (const std::string v :
         {"abc", "12pF", "1.2.3", "1,2,3", "1.5,3", " 5", "0x10", "e5", "--"}) {
      SCOPED_TRACE(join({option, " '", v, "'"}));
      Args a = with(option, std::nullopt);
      a.push_back(join({option, "=", v}));
      expect_refused(a, join({option, ": «", v, "» — не число"}));
    }
    // An empty value is no value at all.
    Args a = with(option, std::nullopt);
    a.push_back(option + "=");
    expect_refused(a, option + ": не задано значение");
  }
  expect_refused(with("--p-out", "400", {"--freq", "7", "abc"}), "--freq: «abc» — не число");
}

TEST(PlanOptions, NanAndInfinityAreRefused) {
  for (const auto& [option, _] : kGood) {
    for (const std::string v : {"NAN", "nan", "-nan", "INF", "inf", "+Infinity", "-INF"}) {
      SCOPED_TRACE(join({option, " ", v}));
      Args a = with(option, std::nullopt);
      a.push_back(join({option, "=", v}));
      expect_refused(a, join({option, ": «", v, "» — не конечное число"}));
    }
  }
  expect_refused(with("--p-out", "400", {"--freq", "inf"}), "--freq: «inf» — не конечное число");
  expect_refused(with("--p-out", "400", {"--freq", "NaN"}), "--freq: «NaN» — не конечное число");
}

TEST(PlanOptions, FrequenciesOutOfRange) {
  expect_refused(with("--p-out", "400", {"--freq", "0.09"}), "--freq: 0.09 вне пределов",
                 "от 0,1 до 60 МГц");
  expect_refused(with("--p-out", "400", {"--freq", "7", "60,5"}), "--freq: 60,5 вне пределов");
  EXPECT_EQ(plan::parse_options(with("--p-out", "400", {"--freq", "0.1", "60"})).kind,
            plan::Parsed::Kind::run);
}

TEST(PlanOptions, UMinAboveNinetyFivePercentOfTheSupply) {
  // As in the dialog: with E = 400 V, 380 V is accepted and 390 V refused.
  Args ok = with("--u-min", "380", {"--freq", "7"});
  for (std::size_t i = 0; i + 1 < ok.size(); ++i) {
    if (ok[i] == "--e-supply") ok[i + 1] = "400";
  }
  EXPECT_EQ(plan::parse_options(ok).kind, plan::Parsed::Kind::run);
  Args bad = ok;
  for (std::size_t i = 0; i + 1 < bad.size(); ++i) {
    if (bad[i] == "--u-min") bad[i + 1] = "390";
  }
  expect_refused(bad, "--u-min: 390 вне пределов", "0,95 × --e-supply = 380");
}

TEST(PlanOptions, UnknownOptionsAndStrayArguments) {
  expect_refused(with("--p-out", "400", {"--freq", "7", "--bogus"}), "--bogus");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--bogus=3"}), "--bogus");
  expect_refused(with("--p-out", "400", {"--freq", "7", "stray"}), "stray");
  expect_refused(with("--p-out", "400", {"--freq", "7", "-x"}), "-x");
}

TEST(PlanOptions, OtherBadArguments) {
  expect_refused(with("--p-out", "400", {"--freq"}), "--freq");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--p-out", "500"}), "--p-out");
  expect_refused(with("--p-out", "400", {"--bands", "dx"}), "--bands");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--bands", "ham"}), "--bands");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--format", "xml"}), "--format");
  expect_refused(with("--p-out", "400", {"--freq", "7", "14", "--plot", "a.svg"}), "--plot",
                 "одну частоту");
  expect_refused(with("--p-out", "400", {"--bands", "ham", "--plot", "a.svg"}), "--plot");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--plot="}), "--plot");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--raise-q=maybe"}), "--raise-q");
}

TEST(PlanOptions, EveryErrorIsReportedAtOnce) {
  Args a = with("--p-out", "9000", {"--freq", "7", "99"});
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    if (a[i] == "--q0") a[i + 1] = "10";
  }
  const Ran r = run(a);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--p-out: 9000"), std::string::npos);
  EXPECT_NE(r.err.find("--q0: 10"), std::string::npos);
  EXPECT_NE(r.err.find("--freq: 99"), std::string::npos);
}

TEST(PlanOptions, GoodArgumentsGiveTheTypedFloats) {
  const plan::Parsed p = plan::parse_options(
      with("--p-out", "400",
           {"--freq", "1.85", "3.6", "--freq", "7.1", "--raise-q", "--format", "json"}));
  ASSERT_EQ(p.kind, plan::Parsed::Kind::run);
  const plan::Options& o = p.options;
  EXPECT_EQ(o.inputs.p_out, 400.0f);
  EXPECT_EQ(o.inputs.e_supply, 2500.0f);
  EXPECT_EQ(o.inputs.r_load, 50.0f);
  EXPECT_EQ(o.inputs.tube_exponent, 1.5f);
  EXPECT_EQ(o.inputs.cutoff_deg, 80.0f);
  EXPECT_EQ(o.inputs.q_unloaded, 200.0f);
  EXPECT_EQ(o.inputs.u_min, 250.0f);
  EXPECT_EQ(o.inputs.filter_db, 45.0f);
  EXPECT_EQ(o.inputs.c_tube, 12.0f);
  EXPECT_EQ(o.inputs.c_var_min, 8.0f);
  EXPECT_EQ(o.f_mhz, (std::vector<float>{1.85f, 3.6f, 7.1f}));
  EXPECT_TRUE(o.raise_q);
  EXPECT_EQ(o.format, plan::Format::json);
  EXPECT_TRUE(o.plot_path.empty());
}

TEST(PlanOptions, NumbersInTheDialogsSyntax) {
  const plan::Parsed p = plan::parse_options(with("--p-out", "4e2", {"--freq", "1.42+1"}));
  ASSERT_EQ(p.kind, plan::Parsed::Kind::run);
  EXPECT_EQ(p.options.inputs.p_out, 400.0f);
  EXPECT_EQ(p.options.f_mhz, std::vector<float>{14.2f});
}

TEST(PlanOptions, DecimalCommaAndListsOfFrequencies) {
  // As in the dialog, a comma inside a number is its decimal comma; a list
  // is several values after --freq, or --freq again.
  const std::vector<std::pair<Args, std::vector<float>>> cases{
      {{"--freq", "1,9"}, {1.9f}},
      {{"--freq=1,9"}, {1.9f}},
      {{"--freq", "1.85", "3.6", "7.1"}, {1.85f, 3.6f, 7.1f}},
      {{"--freq", "1,85", "--freq", "7,1", "14.2"}, {1.85f, 7.1f, 14.2f}},
      {{"--freq", "14,2e0"}, {14.2f}},
  };
  for (const auto& [freq, expected] : cases) {
    SCOPED_TRACE(freq.front());
    const plan::Parsed p = plan::parse_options(with("--exponent", "1,5", freq));
    ASSERT_EQ(p.kind, plan::Parsed::Kind::run) << (p.errors.empty() ? "" : p.errors.front());
    EXPECT_EQ(p.options.f_mhz, expected);
    EXPECT_EQ(p.options.inputs.tube_exponent, 1.5f);
  }
}

TEST(PlanOptions, EveryMessageIsTheProgramsOwnAndNamesTheOption) {
  const std::vector<std::pair<Args, std::string>> cases{
      {{"--freq", "7", "--p-out", "500"}, "--p-out задан больше одного раза"},
      {{"--freq", "7", "--bogus"}, "неизвестный ключ --bogus"},
      {{"--freq", "7", "--bogus=3"}, "неизвестный ключ --bogus"},
      {{"--freq", "7", "-x"}, "неизвестный ключ -x"},
      {{"--freq", "7", "--format"}, "--format: не задано значение"},
      {{"--freq", "7", "--format", "csv", "--format", "json"}, "--format задан больше"},
      {{"--freq", "7", "--bands", "ham"}, "--freq и --bands исключают друг друга"},
      {{"--bands", "dx"}, "--bands: неизвестный набор «dx»"},
      {{"--freq"}, "--freq: не задано значение"},
      {{"--freq", "7", "--raise-q=maybe"}, "--raise-q не принимает значения"},
  };
  for (const auto& [more, message] : cases) {
    SCOPED_TRACE(message);
    const Ran r = run(with("--p-out", "400", more));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("valvenet-plan: " + message), std::string::npos) << r.err;
    for (const std::string library :
         {"required", "Excludes", "expected", "not expected", "At Most", "Run with"}) {
      EXPECT_EQ(r.err.find(library), std::string::npos) << r.err;
    }
  }
  const Ran help = run({"--help"});
  for (const std::string library : {"Excludes", "REQUIRED", "Options:", "TEXT", "Usage"}) {
    EXPECT_EQ(help.out.find(library), std::string::npos) << library;
  }
}

TEST(PlanOptions, HamBands) {
  const plan::Parsed p = plan::parse_options(with("--p-out", "400", {"--bands", "ham"}));
  ASSERT_EQ(p.kind, plan::Parsed::Kind::run);
  EXPECT_EQ(p.options.f_mhz, (std::vector<float>{1.85f, 3.6f, 7.1f, 10.12f, 14.15f, 18.1f, 21.2f,
                                                 24.93f, 28.5f, 50.1f}));
  EXPECT_FALSE(p.options.raise_q);
  EXPECT_EQ(p.options.format, plan::Format::table);
}

TEST(PlanOptions, HelpDescribesTheOptionsAndExitsWithZero) {
  const Ran r = run({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.empty());
  // The help's words, whatever lines they were set in.
  const std::string words = std::regex_replace(r.out, std::regex("\\s+"), " ");
  for (const auto& [option, _] : kGood) EXPECT_NE(words.find(option), std::string::npos) << option;
  for (const std::string s : {"--freq", "--bands", "--raise-q", "--format", "--plot",
                              "больше 0,1 и не больше 5000 Вт", "Код возврата"}) {
    EXPECT_NE(words.find(s), std::string::npos) << s;
  }
}

TEST(PlanRun, ExitStatusZeroWithRefusedDesigns) {
  // A critical Q above 0.7 Q0 refuses the design; that is a row, not an error.
  const Args a{"--p-out",  "1",  "--e-supply",  "10000", "--r-load", "1",   "--exponent",  "1",
               "--angle",  "90", "--q0",        "50",    "--u-min",  "100", "--filter-db", "50",
               "--c-tube", "10", "--c-var-min", "5",     "--freq",   "7",   "14"};
  const Ran r = run(a);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("отказ"), std::string::npos);
}

TEST(PlanRun, PlotThatCannotBeWrittenGivesExitStatusOneAndTheReason) {
  const Ran r = run(with("--p-out", "400", {"--freq", "7", "--plot", "/nonexistent-dir/p.svg"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/p.svg"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("нет такого каталога"), std::string::npos) << r.err;
}

}  // namespace
