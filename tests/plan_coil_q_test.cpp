// --q0 coil: the design repeated with the coil's own Q until the turns settle.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "parts/coil_loss.hpp"
#include "plan/report/coil_q.hpp"
#include "plan/report/json.hpp"
#include "plan/texts/texts.hpp"
#include "plan_fixtures.hpp"

namespace {

// 50 mm of 2 mm wire at a 4 mm pitch, the manual's example coil.
const coil::Geometry kCoil{0.050, 0.004, 0.002};

// A coil whose Q is forced to the typed Q0 gives that Q0's design to the bit;
// the coil's own Q settles, and the Q0 used is the coil's at the final turns.
TEST(PlanCoilQ, ForcedQGivesTheTypedDesignAndTheRealCoilSettles) {
  struct Case {
    float f_mhz;
    float q0;
  };
  for (const Case& c : std::vector<Case>{{3.6f, 120.0f}, {14.15f, 300.0f}, {28.5f, 750.0f}}) {
    SCOPED_TRACE(c.f_mhz);
    starting_values::TypedInputs typed = testing_support::example_plan_inputs();
    typed.q_unloaded = c.q0;
    const auto forced = [&](double, double) { return static_cast<double>(c.q0); };
    const plan::CoilQDesign f = plan::design_with_coil_q(typed, c.f_mhz, false, kCoil, forced);
    EXPECT_EQ(f.coil_q.status, plan::CoilQStatus::settled);
    EXPECT_EQ(
        testing_support::result_values(f.design.record.results),
        testing_support::result_values(plan::design_at(typed, c.f_mhz, false).record.results));

    const plan::CoilQDesign r =
        plan::design_with_coil_q(typed, c.f_mhz, false, kCoil, plan::coil_q_of(kCoil));
    ASSERT_TRUE(r.coil_q.status == plan::CoilQStatus::settled ||
                r.coil_q.status == plan::CoilQStatus::clamped);
    const double l_h = static_cast<double>(r.design.record.results.l_uh) * 1e-6;
    const double turns = coil::solve(l_h, kCoil).coil->turns;
    EXPECT_NEAR(turns, r.coil_q.turns, 1e-12);
    const double q =
        coil_loss::evaluate(turns, kCoil, static_cast<double>(c.f_mhz) * 1e6).q_apparent;
    // The design was made with the Q of the turns one round before, within 0.01 turn of these.
    EXPECT_NEAR(static_cast<double>(r.coil_q.q0_used), std::fmin(q, 750.0), 0.01 * q);
  }
}

// The dialog's range of Q0 holds its ends: a coil of Q 50 or 750 is used as
// it is, one just below 50 refuses the band, one just above 750 is used at
// 750. A poor coil's turns fall from round to round (12 mm of 0.3 mm wire at
// a 0.6 mm pitch at 3.65 MHz: 4 rounds to 45.868 turns and Q0 117.839) and
// settle as well as rising ones.
TEST(PlanCoilQ, TheDialogsBoundsAndAFallingCoil) {
  const starting_values::TypedInputs typed = testing_support::example_plan_inputs();
  const coil::Geometry poor{0.012, 0.0006, 0.0003};
  struct Case {
    double forced_q;  // 0: the winding's own Q
    const coil::Geometry& g;
    float f_mhz;
    plan::CoilQStatus status;
    float q0_used;
    int rounds;    // 0: not checked
    double turns;  // 0: not checked
  };
  using S = plan::CoilQStatus;
  const std::vector<Case> cases{{50.0, kCoil, 3.6f, S::settled, 50.0f, 0, 0.0},
                                {49.999, kCoil, 3.6f, S::q_too_low, 200.0f, 0, 0.0},
                                {750.0, kCoil, 7.1f, S::settled, 750.0f, 0, 0.0},
                                {750.001, kCoil, 7.1f, S::clamped, 750.0f, 0, 0.0},
                                {0.0, poor, 3.65f, S::settled, 117.839f, 4, 45.868}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.forced_q);
    const auto forced = [&](double, double) { return c.forced_q; };
    const plan::CoilQDesign d =
        c.forced_q > 0.0
            ? plan::design_with_coil_q(typed, c.f_mhz, false, c.g, forced)
            : plan::design_with_coil_q(typed, c.f_mhz, false, c.g, plan::coil_q_of(c.g));
    EXPECT_EQ(d.coil_q.status, c.status);
    EXPECT_NEAR(d.coil_q.q0_used, c.q0_used, 5e-4f);
    if (c.rounds == 0) continue;
    EXPECT_EQ(d.coil_q.rounds, c.rounds);
    EXPECT_NEAR(d.coil_q.turns, c.turns, 5e-4);
    const double q = coil_loss::evaluate(d.coil_q.turns, c.g, 3.65e6).q_apparent;
    EXPECT_NEAR(static_cast<double>(d.coil_q.q0_used) / q, 1.0, 1e-3);
  }
}

// A run of the example stage over the bands with --q0 coil and the winding of kCoil.
std::vector<std::string> coil_q_args(std::vector<std::string> extra) {
  std::vector<std::string> a{"--p-out",     "400", "--e-supply",  "2500", "--u-min",    "250",
                             "--c-tube",    "12",  "--c-var-min", "8",    "--r-load",   "50",
                             "--filter-db", "45",  "--angle",     "80",   "--exponent", "1.5",
                             "--bands",     "ham", "--q0",        "coil"};
  a.insert(a.end(), extra.begin(), extra.end());
  return a;
}
const std::vector<std::string> kWinding{"--coil-diameter", "50", "--wire", "2", "--pitch", "4"};

// --q0 takes the word coil only with the coil options, and no other word.
TEST(PlanCoilQ, TheWordCoilNeedsTheCoilOptions) {
  const auto without = testing_support::run_plan(coil_q_args({"--lang", "en"}));
  EXPECT_EQ(without.status, 2);
  EXPECT_NE(without.err.find(plan::kEnglishTexts.q0_coil_needs_coil), std::string::npos);
  std::vector<std::string> other = coil_q_args(kWinding);
  other[other.size() - 7] = "coils";
  EXPECT_EQ(testing_support::run_plan(other).status, 2);
  EXPECT_EQ(testing_support::run_plan(coil_q_args(kWinding)).status, 0);
}

// q0_used in every format; each band's equals its coil's apparent Q at the
// turns in use (within the settling) or the dialog's 750; "coil" is kept in
// "inputs" and --inputs reads it back to the same report.
TEST(PlanCoilQ, EveryFormatGivesTheQ0UsedAndTheFileReadsBack) {
  std::vector<std::string> args = coil_q_args(kWinding);
  const auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> a = args;
    a.insert(a.end(), more.begin(), more.end());
    return testing_support::run_plan(a);
  };
  const auto json = with({"--format", "json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const plan::Json doc = plan::Json::parse(json.out);
  EXPECT_EQ(doc["inputs"]["q_unloaded"], "coil");
  for (const plan::Json& d : doc["designs"]) {
    SCOPED_TRACE(d["f_mhz"].get<float>());
    ASSERT_EQ(d["status"], "completed");
    const double used = d["results"]["q0_used"].get<double>();
    const double coil_q = d["coil"]["q_apparent"].get<double>();
    if (d["q0_status"] == "clamped") {
      EXPECT_EQ(used, 750.0);
      EXPECT_GT(coil_q, 750.0);
    } else {
      EXPECT_EQ(d["q0_status"], "settled");
      EXPECT_NEAR(used, coil_q, 0.01 * coil_q);
    }
  }
  EXPECT_NE(with({"--format", "csv"}).out.find(",q0_used,"), std::string::npos);
  EXPECT_NE(with({"--lang", "en"}).out.find(plan::kEnglishTexts.q0_used), std::string::npos);

  const std::string path = testing::TempDir() + "plan_coil_q_inputs.json";
  std::ofstream(path) << json.out;
  const auto again = testing_support::run_plan({"--inputs", path, "--format", "json"});
  std::remove(path.c_str());
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(again.out, json.out);
}

// A band whose coil is too poor for the dialog's lowest Q0 is refused with
// the reason, in the Pi-L too; without --q0 coil the report has no q0_used.
TEST(PlanCoilQ, ACoilTooPoorRefusesTheBand) {
  std::vector<std::string> args = coil_q_args({"--coil-diameter", "10", "--wire", "0.1", "--pitch",
                                               "0.1", "--format", "json", "--network", "pi-l"});
  const auto r = testing_support::run_plan(args);
  ASSERT_EQ(r.status, 0) << r.err;
  const plan::Json d = plan::Json::parse(r.out)["designs"][0];
  EXPECT_EQ(d["status"], "refused");
  EXPECT_EQ(d["q0_status"], "q_too_low");
  EXPECT_TRUE(d["reason"].is_string());
  EXPECT_EQ(d["pi_l"]["status"], "refused");
  EXPECT_EQ(d["pi_l"]["reason"], d["reason"]);

  std::vector<std::string> typed = coil_q_args(kWinding);
  typed[typed.size() - 7] = "200";
  const auto plain = testing_support::run_plan(typed);
  EXPECT_EQ(plain.out.find("q0_used"), std::string::npos);
}

}  // namespace

namespace {

// The summary's whole winding carries its self-capacitance and resonance,
// and each band whose f, 2f or 3f lies near either self-resonance is warned
// of in its design, once for the whole winding and once for the turns in use.
TEST(PlanCoilResonance, TheWholeWindingAndTheHarmonicsNearIt) {
  std::vector<std::string> args = coil_q_args(kWinding);
  args[args.size() - 7] = "200";
  args.insert(args.end(), {"--format", "json", "--lang", "en"});
  const auto r = testing_support::run_plan(args);
  ASSERT_EQ(r.status, 0) << r.err;
  const plan::Json doc = plan::Json::parse(r.out);
  const plan::Json& whole = doc["summary"]["coil"];
  const coil_loss::Values v = coil_loss::evaluate(whole["turns"].get<double>(), kCoil, 1.85e6);
  EXPECT_NEAR(whole["c_self_pf"].get<double>(), v.c_self_f * 1e12, 1e-4 * v.c_self_f * 1e12);
  EXPECT_NEAR(whole["srf_mhz"].get<double>(), v.srf_hz * 1e-6, 1e-4 * v.srf_hz * 1e-6);
  int warned = 0;
  for (const plan::Json& d : doc["designs"]) {
    const double f_hz = d["f_mhz"].get<double>() * 1e6;
    std::size_t expected = coil_loss::harmonics_near(f_hz, v.srf_hz).empty() ? 0 : 1;
    expected +=
        coil_loss::harmonics_near(f_hz, d["coil"]["srf_mhz"].get<double>() * 1e6).empty() ? 0 : 1;
    std::size_t said = 0;
    for (const plan::Json& w : d["warnings"]) {
      const std::string text = w.get<std::string>();
      said += text.find("self-resonance") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(said, expected) << d["f_mhz"];
    warned += static_cast<int>(said);
  }
  EXPECT_GT(warned, 0);  // the 50 mm coil over the bands does come near its resonances
}

}  // namespace
