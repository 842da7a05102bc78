// valvenet-plan coil: the numbers are coil_loss::evaluate's for the coils of
// the measurements, and bad values get the program's messages.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "plan/cli/app.hpp"
#include "plan/cli/option_table.hpp"
#include "plan/report/coil_calculator.hpp"
#include "plan_fixtures.hpp"

namespace {

using testing_support::run_plan;

struct Coil {
  std::string d, wire, pitch, turns, f;
};

std::vector<std::string> args_of(const Coil& c, std::vector<std::string> more = {}) {
  std::vector<std::string> a{"coil",  "--coil-diameter", c.d,     "--wire", c.wire, "--pitch",
                             c.pitch, "--turns",         c.turns, "--freq", c.f};
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

float number(const std::string& s) {
  return std::strtof(s.c_str(), nullptr);
}

// The worked coils at 10 MHz, and the measured 27-turn coil (l 140 mm) below
// its 8.93 MHz resonance and close to it.
TEST(PlanCoilCalculator, GivesEvaluatesNumbersForTheReferenceCoils) {
  struct Case {
    Coil coil;
    double r_ohm, q, srf_mhz;  // published; 0: not checked
    bool near_resonance;
  };
  const std::vector<Case> cases = {{{"75", "2.5", "5", "13", "10"}, 0.491, 1190, 0, false},
                                   {{"75", "2.5", "5", "17", "10"}, 0.646, 1280, 0, false},
                                   {{"155", "1.3", "5.185185", "27", "3.5"}, 0, 0, 8.93, false},
                                   {{"155", "1.3", "5.185185", "27", "7.5"}, 0, 0, 8.93, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coil.turns + " turns at " + c.coil.f);
    const testing_support::PlanRun r = run_plan(args_of(c.coil, {"--format", "json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out)["coils"].at(0);
    const plan::CoilOptions o{number(c.coil.d), number(c.coil.wire), number(c.coil.pitch)};
    const coil_loss::Values v =
        coil_loss::evaluate(static_cast<double>(number(c.coil.turns)), plan::geometry(o),
                            static_cast<double>(number(c.coil.f)) * 1e6);
    EXPECT_EQ(j["l_uh"].get<double>(), v.inductance_h * 1e6);
    EXPECT_EQ(j["r_ohm"].get<double>(), v.r_ohm);
    EXPECT_EQ(j["q"].get<double>(), v.q);
    EXPECT_EQ(j["q_apparent"].get<double>(), v.q_apparent);
    EXPECT_EQ(j["c_self_pf"].get<double>(), v.c_self_f * 1e12);
    EXPECT_EQ(j["srf_mhz"].get<double>(), v.srf_hz * 1e-6);
    EXPECT_EQ(j["phi"].get<double>(), v.phi);
    if (c.q > 0) {
      EXPECT_NEAR(j["q"].get<double>() / c.q, 1.0, 0.05);
    }
    if (c.r_ohm > 0) {
      EXPECT_NEAR(j["r_ohm"].get<double>() / c.r_ohm, 1.0, 0.05);
    }
    if (c.srf_mhz > 0) {
      EXPECT_NEAR(j["srf_mhz"].get<double>() / c.srf_mhz, 1.0, 0.03);
    }
    EXPECT_EQ(j["warnings"].size(), c.near_resonance ? 1u : 0u);
    // The same numbers, to the bit, in the CSV.
    const testing_support::PlanRun csv = run_plan(args_of(c.coil, {"--format", "csv"}));
    EXPECT_NE(csv.out.find("," + nlohmann::json(v.q).dump() + ","), std::string::npos) << csv.out;
  }
}

TEST(PlanCoilCalculator, SaysWhereTheModelFailsBesideTheValue) {
  // 0.3 mm wire at 100 kHz: q = sqrt(2) a / delta is about 1.
  const Coil thin{"30", "0.3", "0.5", "40", "0.1"};
  const testing_support::PlanRun en = run_plan(args_of(thin, {"--lang", "en"}));
  EXPECT_NE(en.out.find("  (skin effect not developed: the table overstates the proximity loss)"),
            std::string::npos)
      << en.out;
  const testing_support::PlanRun csv = run_plan(args_of(thin, {"--format", "csv"}));
  EXPECT_NE(csv.out.find(",skin_undeveloped\n"), std::string::npos) << csv.out;
  const Coil near{"75", "2.5", "5", "13", "35"};
  EXPECT_NE(run_plan(args_of(near)).out.find("непригодна"), std::string::npos);
}

TEST(PlanCoilCalculator, BadValuesGetTheProgramsMessagesAndStatus2) {
  const Coil good{"75", "2.5", "5", "13", "10"};
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases = {
      {args_of({"75", "2.5", "5", "0.5", "10"}),
       "--turns: 0.5 вне пределов; ожидается от 1 до 10000"},
      {args_of({"75", "2.5", "5", "1e5", "10"}), "от 1 до 10000"},
      {args_of({"75", "2.5", "2", "13", "10"}), "шаг"},
      {args_of({"2", "2.5", "5", "13", "10"}), "провод"},
      {args_of({"75", "2.5", "5", "13", "61"}), "--freq: 61 вне пределов"},
      {args_of({"75", "-1", "5", "13", "10"}), "--wire"},
      {args_of(good, {"--format", "xml"}), "xml"},
      {args_of(good, {"--bogus"}), "--bogus"},
      {{"coil", "--coil-diameter", "75", "--wire", "2.5", "--pitch", "5", "--freq", "7"},
       "--turns"},
      {{"--turns", "13"}, "valvenet-plan coil"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const testing_support::PlanRun r = run_plan(c.args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("valvenet-plan: "), std::string::npos);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  const testing_support::PlanRun help = run_plan({"coil", "--help", "--lang", "en"});
  EXPECT_EQ(help.status, 0);
  for (const plan::OptionId id : {plan::OptionId::turns, plan::OptionId::pitch}) {
    EXPECT_NE(help.out.find(plan::option(id).name), std::string::npos);
  }
  EXPECT_EQ(help.out.find("--p-out"), std::string::npos);
}

}  // namespace

namespace {

// With the coil options each band's coil (the Pi-L's L1 and L2 each) is
// coil_loss::evaluate's of the turns in use at that band.
TEST(PlanCoilCalculator, EachBandsCoilIsEvaluatedAtItsTurnsAndFrequency) {
  for (const std::string network : {"pi", "pi-l"}) {
    SCOPED_TRACE(network);
    const plan::Parsed parsed = plan::parse_options(
        {"--p-out",     "400",    "--e-supply",  "2500",    "--r-load", "50",
         "--exponent",  "1.5",    "--angle",     "75",      "--q0",     "200",
         "--u-min",     "200",    "--filter-db", "40",      "--c-tube", "10",
         "--c-var-min", "10",     "--freq",      "3.6",     "28.5",     "--coil-diameter",
         "60",          "--wire", "2",           "--pitch", "4",        "--network",
         network});
    ASSERT_EQ(parsed.kind, plan::Parsed::Kind::run);
    const plan::PlanReport r = plan::make_report(parsed.options);
    const coil::Geometry g = plan::geometry(*parsed.options.parts.coil);
    const auto& all = network == "pi" ? r.parts : r.pi_l_parts;
    for (std::size_t k = 0; k < r.designs.size(); ++k) {
      const plan::Parts& p = *all.at(k);
      const double f_hz = static_cast<double>(r.designs[k].f_mhz) * 1e6;
      const coil_loss::Values v = coil_loss::evaluate(p.coil->coil->turns, g, f_hz);
      EXPECT_EQ(p.coil_at_f->q_apparent, v.q_apparent);
      EXPECT_EQ(p.coil_at_f->srf_hz, v.srf_hz);
      if (network == "pi") {
        const auto q_l = static_cast<double>(r.designs[k].record.results.q_loaded);
        EXPECT_DOUBLE_EQ(*p.coil_eff_network_pct, 100.0 * (1.0 - q_l / v.q_apparent));
        EXPECT_FALSE(p.l2_coil_at_f);
      } else {
        EXPECT_EQ(p.l2_coil_at_f->q, coil_loss::evaluate(p.l2_coil->coil->turns, g, f_hz).q);
        EXPECT_FALSE(p.coil_eff_network_pct);
      }
    }
  }
}

}  // namespace
