// The command line of valvenet-plan: every starting value checked against
// the dialog's range, bad arguments end with exit status 2 and a message
// that names the option, and nothing is computed.

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "plan/app.hpp"
#include "plan/options.hpp"

namespace {

using Args = std::vector<std::string>;

std::string join(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view p : parts) out += p;
  return out;
}

struct Ran {
  int status;
  std::string out;
  std::string err;
};

Ran run(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = plan::run(args, out, err);
  return {status, out.str(), err.str()};
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
     "greater than 0.1 and at most 5000 W"},
    {"--e-supply", {"3", "10001"}, {"3.01", "10000"}, "greater than 3 and at most 10000 V"},
    {"--r-load", {"0.1", "-50"}, {"0.11", "1e6"}, "greater than 0.1 ohm"},
    {"--exponent", {"0.9", "2.11"}, {"0.95", "2.1"}, "greater than 0.9 and at most 2.1"},
    {"--angle",
     {"25", "180.01"},
     {"25.5", "180.001"},
     "greater than 25 and at most 180.001 degrees"},
    {"--q0", {"49.9", "750.1"}, {"50", "750"}, "from 50 to 750"},
    {"--u-min", {"0.4", "1501"}, {"0.5", "1500"}, "from 0.5 to 1500 V"},
    {"--filter-db", {"28.8", "70.1"}, {"28.9", "70"}, "from 28.9 to 70 dB"},
    {"--c-tube", {"0.99", "-1"}, {"1", "1000"}, "at least 1 pF"},
    {"--c-var-min", {"0.19", "150.1"}, {"0.2", "150"}, "from 0.2 to 150 pF"},
};

TEST(PlanOptions, EachValueOutOfRangeIsRefusedNamingOptionRangeAndValue) {
  for (const RangeCase& c : kRanges) {
    for (const std::string& v : c.refused) {
      SCOPED_TRACE(join({c.option, " ", v}));
      // --p-out=-5 form so that a negative value is never taken for an option.
      Args a = with(c.option, std::nullopt);
      a.push_back(join({c.option, "=", v}));
      expect_refused(a, join({c.option, ": ", v, " is out of range"}), c.range_text);
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
    expect_refused(with(c.option, std::nullopt), c.option + " is missing", c.range_text);
  }
  expect_refused(with("--p-out", "400", {}), "--freq or --bands is missing");
}

TEST(PlanOptions, NonNumericValuesAreRefused) {
  for (const auto& [option, _] : kGood) {
    for (const std::string v : {"abc", "12pF", "1.2.3", "2,5", " 5", "0x10", "e5", "--"}) {
      SCOPED_TRACE(join({option, " '", v, "'"}));
      Args a = with(option, std::nullopt);
      a.push_back(join({option, "=", v}));
      expect_refused(a, join({option, ": \"", v, "\" is not a number"}));
    }
    // An empty value is no value at all.
    Args a = with(option, std::nullopt);
    a.push_back(option + "=");
    expect_refused(a, option + ": 1 required");
  }
  expect_refused(with("--p-out", "400", {"--freq", "7,abc"}), "--freq: \"abc\" is not a number");
}

TEST(PlanOptions, NanAndInfinityAreRefused) {
  for (const auto& [option, _] : kGood) {
    for (const std::string v : {"NAN", "nan", "-nan", "INF", "inf", "+Infinity", "-INF"}) {
      SCOPED_TRACE(join({option, " ", v}));
      Args a = with(option, std::nullopt);
      a.push_back(join({option, "=", v}));
      expect_refused(a, join({option, ": \"", v, "\" is not a finite number"}));
    }
  }
  expect_refused(with("--p-out", "400", {"--freq", "inf"}),
                 "--freq: \"inf\" is not a finite number");
  expect_refused(with("--p-out", "400", {"--freq", "NaN"}),
                 "--freq: \"NaN\" is not a finite number");
}

TEST(PlanOptions, FrequenciesOutOfRange) {
  expect_refused(with("--p-out", "400", {"--freq", "0.09"}), "--freq: 0.09 is out of range",
                 "from 0.1 to 60 MHz");
  expect_refused(with("--p-out", "400", {"--freq", "7,60.5"}), "--freq: 60.5 is out of range");
  EXPECT_EQ(plan::parse_options(with("--p-out", "400", {"--freq", "0.1,60"})).kind,
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
  expect_refused(bad, "--u-min: 390 is out of range", "0.95 x --e-supply = 380");
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
  expect_refused(with("--p-out", "400", {"--freq", "7,14", "--plot", "a.svg"}), "--plot",
                 "one frequency");
  expect_refused(with("--p-out", "400", {"--bands", "ham", "--plot", "a.svg"}), "--plot");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--plot="}), "--plot");
  expect_refused(with("--p-out", "400", {"--freq", "7", "--raise-q=maybe"}), "--raise-q");
}

TEST(PlanOptions, EveryErrorIsReportedAtOnce) {
  Args a = with("--p-out", "9000", {"--freq", "7,99"});
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
  const plan::Parsed p = plan::parse_options(with(
      "--p-out", "400", {"--freq", "1.85,3.6", "--freq", "7.1", "--raise-q", "--format", "json"}));
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
  for (const auto& [option, _] : kGood) EXPECT_NE(r.out.find(option), std::string::npos) << option;
  for (const std::string s : {"--freq", "--bands", "--raise-q", "--format", "--plot",
                              "greater than 0.1 and at most 5000 W", "Exit status"}) {
    EXPECT_NE(r.out.find(s), std::string::npos) << s;
  }
}

TEST(PlanRun, ExitStatusZeroWithRefusedDesigns) {
  // A critical Q above 0.7 Q0 refuses the design; that is a row, not an error.
  const Args a{"--p-out",  "1",  "--e-supply",  "10000", "--r-load", "1",   "--exponent",  "1",
               "--angle",  "90", "--q0",        "50",    "--u-min",  "100", "--filter-db", "50",
               "--c-tube", "10", "--c-var-min", "5",     "--freq",   "7,14"};
  const Ran r = run(a);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("отказ"), std::string::npos);
}

TEST(PlanRun, PlotThatCannotBeWrittenGivesExitStatusOneAndTheReason) {
  const Ran r = run(with("--p-out", "400", {"--freq", "7", "--plot", "/nonexistent-dir/p.svg"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/p.svg"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
}

}  // namespace
