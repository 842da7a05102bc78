// valvenet-plan --network pi-l: the options refuse what cannot be designed,
// every format carries the Pi-L's values under their keys, and the plain
// Pi's discrimination beside it is the one the engine's search reached.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "main/design.hpp"
#include "plan/cli/app.hpp"
#include "plan/cli/options.hpp"
#include "plan/report/pi_l_report.hpp"
#include "plan_fixtures.hpp"

namespace {

using Args = std::vector<std::string>;

const Args kBase(testing_support::example_args({"--freq", "1.9", "14.2", "50"}));

using Ran = testing_support::PlanRun;

Ran run(const Args& more) {
  Args args = kBase;
  args.insert(args.end(), more.begin(), more.end());
  return testing_support::run_plan(args);
}

TEST(PlanPiL, OptionsRefuseWhatCannotBeDesignedNamingTheOptionAndTheValues) {
  struct Case {
    Args args;
    std::vector<std::string> said;  // in the message; empty: accepted
  };
  // U^2 / P = (2250 / sqrt 2)^2 / 400 = 6328.125 ohm bounds every R_oe.
  const std::vector<Case> cases{
      {{"--network", "pi-l", "--r-mid", "50"}, {"--r-mid", "50 Ом", "--r-load = 50 Ом"}},
      {{"--network", "pi-l", "--r-mid", "6328,125"}, {"--r-mid", "6328,125 Ом", "U²/P"}},
      {{"--network", "pi-l", "--r-mid", "abc"}, {"--r-mid", "«abc»"}},
      {{"--network", "pi-l", "--r-mid", "inf"}, {"--r-mid", "не конечное"}},
      {{"--network", "pi-l", "--r-mid"}, {"--r-mid", "не задано"}},
      {{"--network", "pi-l", "--r-mid", "200", "--r-mid", "250"}, {"--r-mid", "больше одного"}},
      {{"--r-mid", "300"}, {"--r-mid", "--network pi-l"}},
      {{"--network", "pl"}, {"--network", "«pl»", "pi-l"}},
      {{"--network", "pi-l", "--r-mid", "6328"}, {}},
      {{"--network", "pi"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const plan::Parsed p = plan::parse_options([&] {
      Args a = kBase;
      a.insert(a.end(), c.args.begin(), c.args.end());
      return a;
    }());
    if (c.said.empty()) {
      EXPECT_EQ(p.kind, plan::Parsed::Kind::run) << testing::PrintToString(p.errors);
      continue;
    }
    ASSERT_EQ(p.errors.size(), 1u) << testing::PrintToString(p.errors);
    for (const std::string& s : c.said) EXPECT_NE(p.errors[0].find(s), std::string::npos) << s;
  }
  const plan::Parsed defaults = plan::parse_options([] {
    Args a = kBase;
    a.insert(a.end(), {"--network", "pi-l"});
    return a;
  }());
  EXPECT_EQ(defaults.options.network, plan::TankKind::pi_l);
  EXPECT_EQ(defaults.options.r_mid, 300.0f);
  EXPECT_EQ(run({"--r-mid", "40", "--network", "pi-l"}).status, 2);
}

TEST(PlanPiL, EveryFormatCarriesThePiLsValuesUnderTheirKeys) {
  const Ran json = run({"--network", "pi-l", "--format", "json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json doc = nlohmann::json::parse(json.out);
  EXPECT_EQ(doc["network"], "pi-l");
  for (const auto& d : doc["designs"]) {
    const auto& p = d["pi_l"];
    EXPECT_EQ(p["status"], "completed");
    for (const char* key : {"r_mid", "l2_uh", "q_l_section", "i_l2_a", "u_mid_rms", "h2_db",
                            "h3_db", "pi_h2_db", "pi_h3_db"}) {
      EXPECT_TRUE(p[key].is_number()) << key;
    }
    EXPECT_EQ(p["r_mid"], 300.0);
  }
  for (const char* key : {"c1_total_pf", "l1_uh", "c2_pf", "l2_uh"}) {
    EXPECT_TRUE(doc["summary"]["pi_l_ranges"][key]["max"].is_number()) << key;
  }
  // The CSV: a column per value, every row as long as the header.
  const Ran csv = run({"--network", "pi-l", "--format", "csv", "--r-mid", "6100"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  std::istringstream lines(csv.out);
  std::string header, row;
  std::getline(lines, header);
  for (const plan::PiLLine& line : plan::kPiLLines) {
    EXPECT_NE(header.find(",pi_l_" + std::string(line.key)), std::string::npos) << line.key;
  }
  const auto fields = [](const std::string& s) { return std::count(s.begin(), s.end(), ','); };
  while (std::getline(lines, row)) {
    EXPECT_EQ(fields(row), fields(header));
    EXPECT_NE(row.find(",pi-l,refused_r_mid,"), std::string::npos) << row;
  }
  // The table: the Pi-L's block, its refusals with the reason, its ranges.
  const Ran table = run({"--network", "pi-l", "--r-mid", "6100"});
  EXPECT_NE(table.out.find("Rm = 6100 Ом"), std::string::npos);
  EXPECT_NE(table.out.find("П-L: отказ: Rm = 6100.0 Ом не меньше"), std::string::npos);
  for (const plan::PiLLine& line : plan::kPiLLines) {
    EXPECT_NE(table.out.find(plan::kRussianTexts.*line.label), std::string::npos) << line.key;
  }
  EXPECT_EQ(run({"--network", "pi-l"}).out.find("отказ: Rm"), std::string::npos);
  // The plain Pi alone has no Pi-L anywhere.
  const Ran plain = run({"--format", "json"});
  EXPECT_EQ(nlohmann::json::parse(plain.out)["network"], "pi");
  EXPECT_EQ(plain.out.find("pi_l"), std::string::npos);
}

// The plain Pi's discrimination beside the Pi-L is the one the engine's
// search reached: with the pulse's own and the correction it gives the
// stage's filtering of the results to the bit.
TEST(PlanPiL, ThePlainPisDiscriminationIsTheEngines) {
  std::vector<plan::Design> designs =
      plan::design_all(testing_support::example_plan_inputs(), plan::kHamBands, false);
  plan::add_pi_l(designs, 300.0f, false);
  for (const plan::Design& d : designs) {
    SCOPED_TRACE(d.f_mhz);
    ASSERT_TRUE(d.completed() && d.pi_l);
    const float stage = design::stage_suppression_db(
        d.pi_l->pi_h2_db, design::pulse_h2_ratio_db(d.record.pulse_coeffs));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(stage),
              std::bit_cast<std::uint32_t>(d.record.results.filter_achieved_db));
    EXPECT_GT(d.pi_l->pi_h3_db, d.pi_l->pi_h2_db);
  }
}

}  // namespace
