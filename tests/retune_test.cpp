// The tank re-tuned for every load of an SWR circle, rebuilt independently:
// each re-tuned network of real designs is solved by nodal analysis and must
// present R_oe with the currents, voltages and suppression reported; small
// circles give the design's settings back; a lossless tank's C2 voltage
// grows by sqrt(S); a worked 7 MHz case; the Smith region's border.

#include "matching/retune.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

#include "example_stage.hpp"
#include "main/design.hpp"
#include "main/pi_l_design.hpp"
#include "main/starting_values.hpp"
#include "network/pi_l.hpp"
#include "pi_l_nodal.hpp"

namespace {

using Complex = std::complex<double>;
using testing_support::nodal;

struct Case {
  bool pi_l;
  float f_mhz;
  float r_mid;  // ohm (Pi-L)
  double swr;
};

const std::vector<Case> kCases{
    {false, 1.9f, 0.0f, 3.0},  {false, 14.2f, 0.0f, 2.0},  {false, 50.0f, 0.0f, 3.0},
    {true, 1.9f, 300.0f, 2.0}, {true, 14.2f, 300.0f, 3.0}, {true, 50.0f, 150.0f, 2.0},
};

retune::Stage stage_of(const Case& c) {
  const stage::StageInputs in =
      starting_values::stage_inputs(testing_support::example_plan_inputs(), c.f_mhz);
  if (c.pi_l) {
    const design::PiLDesign d = design::run_pi_l_design(in, c.r_mid, true);
    EXPECT_TRUE(d.completed());
    return retune::from_pi_l_design(d, in);
  }
  stage::StageRecord record;
  record.start = in;
  design::FixedAnswer console(true);
  EXPECT_EQ(design::run_design(record, console), design::Outcome::completed);
  return retune::from_pi_record(record);
}

pi_l::Network network(const retune::Tank& t, const retune::Settings& s) {
  return {s.c1_total_f, t.l_h, s.c2_f, t.l2_h, 0.0, t.q0};
}

double omega(double f) {
  return 2.0 * std::numbers::pi * f;
}

TEST(Retune, EveryReTunedNetworkIsWhatNodalAnalysisGives) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << (c.pi_l ? "Pi-L " : "Pi ") << c.f_mhz << " MHz");
    const retune::Stage s = stage_of(c);
    const retune::Tank& t = s.tank;
    const double f = t.f_hz;
    const double w = omega(f);
    int matched = 0;
    for (const retune::Point& p : retune::retune_circle(s, c.swr)) {
      if (!p.matched()) continue;
      ++matched;
      const pi_l::Network n = network(t, p.settings);
      const Complex z_in = nodal(n, f, 1.0, 0.0, p.z_load)[0];
      EXPECT_LE(std::abs((z_in - t.r_oe) / (z_in + t.r_oe)), 1e-4);
      EXPECT_NEAR(p.settings.c_hot_f, p.settings.c1_total_f - t.c_tube_f, 1e-18);
      EXPECT_GT(p.settings.c_hot_f, 0.0);
      // The working point: U = sqrt(P_h1 R_oe) at the anode.
      const std::array<Complex, 3> unit = nodal(n, f, 1.0, 0.0, p.z_load);
      const double k = std::sqrt(s.p_h1_w * t.r_oe) / std::abs(unit[0]);
      const std::array<Complex, 3> v{k * unit[0], k * unit[1], k * unit[2]};
      const auto coil = [&](double l) { return Complex(w * l / t.q0, w * l); };
      const double p_out = std::norm(v[2]) * (1.0 / p.z_load).real();
      const auto near = [](double got, double want) { EXPECT_NEAR(got / want, 1.0, 0.005); };
      const retune::Operation& o = p.operation;
      near(o.p_out_w, p_out);
      near(o.efficiency, p_out / s.p_h1_w);
      near(o.i_c1_a, std::abs(v[0]) * w * p.settings.c1_total_f);
      near(o.i_l_a, std::abs((v[0] - v[1]) / coil(t.l_h)));
      near(o.i_c2_a, std::abs(v[1]) * w * p.settings.c2_f);
      near(o.u_c2_peak_v, std::numbers::sqrt2 * std::abs(v[1]));
      near(o.u_load_peak_v, std::numbers::sqrt2 * std::abs(v[2]));
      if (c.pi_l) near(o.i_l2_a, std::abs((v[1] - v[2]) / coil(t.l2_h)));
      // At 2f the load is R0; the generator behind 10 R_oe as a Norton source.
      const double g = 1.0 / (10.0 * t.r_oe);
      const double p_f = std::norm(nodal(n, f, g, g, p.z_load)[2]) * (1.0 / p.z_load).real();
      const double p_2f = std::norm(nodal(n, 2.0 * f, g, g, s.r0)[2]) / s.r0;
      EXPECT_NEAR(o.h2_db, 10.0 * std::log10(p_f / p_2f), 0.02);
      const double pulse_db = 20.0 * std::log10(static_cast<double>(s.pulse.a1 / s.pulse.a2));
      EXPECT_NEAR(o.filter_db, o.h2_db + pulse_db - 2.5, 1e-3);
      // The settings found are the ones that bring the load back.
      const Complex back = retune::load_for_settings(t, p.settings.c1_total_f, p.settings.c2_f);
      EXPECT_LE(std::abs(back - p.z_load), 1e-6 * std::abs(p.z_load));
    }
    EXPECT_GT(matched, 0);
    // For R0 the suppression is the network's discrimination.
    const pi_l::Network d = network(t, s.design);
    EXPECT_NEAR(
        retune::h2_db(t, s.design.c1_total_f, s.design.c2_f, s.r0, s.r0),
        pi_l::discrimination_db({d.c1_f, d.l1_h, d.c2_f, d.l2_h, s.r0, d.q_unloaded}, f, t.r_oe, 2),
        1e-9);
  }
}

// The inductance that would match an unmatched load is the matched set's
// edge: matched there, not matched a little nearer the design's.
TEST(Retune, TheNeededInductanceIsTheNearestEdgeOfTheMatchedSet) {
  int unmatched = 0;
  for (const Case& c : kCases) {
    const retune::Stage s = stage_of(c);
    for (const retune::Point& p : retune::retune_circle(s, 6.0)) {
      if (p.matched() || !p.l_needed_h) continue;
      ++unmatched;
      retune::Tank at = s.tank;
      at.l_h = *p.l_needed_h;
      EXPECT_EQ(retune::match(at, p.z_load).reason, retune::Reason::matched);
      at.l_h = *p.l_needed_h * std::pow(s.tank.l_h / *p.l_needed_h, 1e-4);
      EXPECT_NE(retune::match(at, p.z_load).reason, retune::Reason::matched);
    }
  }
  EXPECT_GT(unmatched, 0);
}

TEST(Retune, SmallCirclesGiveTheDesignsSettings) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << (c.pi_l ? "Pi-L " : "Pi ") << c.f_mhz << " MHz");
    const retune::Stage s = stage_of(c);
    for (const retune::Point& p : retune::retune_circle(s, 1.0 + 1e-7)) {
      ASSERT_TRUE(p.matched());
      EXPECT_NEAR(p.settings.c1_total_f / s.design.c1_total_f, 1.0, 1e-4);
      EXPECT_NEAR(p.settings.c2_f / s.design.c2_f, 1.0, 1e-4);
    }
  }
}

// 2000 ohm to 50 ohm at 7 MHz with a lossless 5.57 uH: the settings from an
// independent solution of the conductance condition, pF.
TEST(Retune, TheWorked7MHzCaseAndTheLosslessSqrtSRule) {
  const retune::Tank t{7e6, 2000.0, 5.57e-6, 0.0, std::numeric_limits<double>::infinity(), 0.0};
  struct Load {
    double r_ohm;
    retune::Reason reason;
    double c1_pf, c2_pf;
  };
  for (const Load& l : {Load{50.0, retune::Reason::matched, 102.09, 463.97},
                        Load{100.0, retune::Reason::matched, 110.17, 440.05},
                        Load{150.0, retune::Reason::matched, 115.54, 395.91},
                        Load{33.3, retune::Reason::matched, 96.57, 318.96},
                        Load{25.0, retune::Reason::no_c2_solution, 0.0, 0.0},
                        // Two C2 give the conductance (151.33 and 34.29 pF): the larger one.
                        Load{5000.0, retune::Reason::matched, 239.11, 151.33}}) {
    SCOPED_TRACE(l.r_ohm);
    const retune::Match m = retune::match(t, l.r_ohm);
    EXPECT_EQ(m.reason, l.reason);
    EXPECT_NEAR(m.settings.c1_total_f * 1e12, l.c1_pf, 0.01);
    EXPECT_NEAR(m.settings.c2_f * 1e12, l.c2_pf, 0.01);
  }
  // Lossless, the load takes P_h1, and the largest C2 voltage lies at S R0.
  for (const double swr : {1.5, 2.0, 3.0}) {
    const retune::Stage s{t, 1000.0, 50.0, {0.3f, 0.5f, 0.25f}, {}};
    const double matched_v = retune::retune_at(s, 50.0).operation.u_c2_peak_v;
    double largest = 0.0;
    for (const retune::Point& p : retune::retune_circle(s, swr)) {
      if (!p.matched()) continue;
      EXPECT_NEAR(p.operation.efficiency, 1.0, 1e-12);
      largest = std::max(largest, p.operation.u_c2_peak_v);
    }
    EXPECT_NEAR(largest / matched_v, std::sqrt(swr), 1e-9);
  }
}

// How loads the tank cannot take are told apart, and the inductance that
// would take them. The tube's 150 pF exceed the 102.09 pF of C1 that the
// worked tank needs at 50 ohm; a load without resistance is no load to match,
// with or without L2; a coil of 5 ohm with Q0 = 50 draws more than 1 / R_oe by
// its loss alone (r / (r^2 + x^2) > 1 / R_oe), so only a larger one matches:
// from X = R_oe Q0 / (Q0^2 + 1) = 39.9840064 ohm on, where C2 grows without
// bound.
TEST(Retune, EachLoadIsClassifiedAndTheNeededInductanceFound) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNone = -1.0;  // no inductance matches
  constexpr double kUnchecked = 0.0;
  const double w = omega(7e6);
  const retune::Tank tube150{7e6, 2000.0, 5.57e-6, 0.0, kInf, 150e-12};
  const retune::Tank pi_l{7e6, 2000.0, 5.57e-6, 1.2e-6, 200.0, 12e-12};
  const retune::Tank small{7e6, 2000.0, 5.0 / w, 0.0, 50.0, 0.0};
  const double x_edge = 2000.0 * 50.0 / (50.0 * 50.0 + 1.0);
  struct Case {
    const retune::Tank& tank;
    Complex z;
    retune::Reason reason;
    double c1_pf, c_hot_pf;  // the settings found; kUnchecked: not looked at
    double x_needed_ohm;     // omega L_needed; kNone; kUnchecked
  };
  using R = retune::Reason;
  const std::vector<Case> cases{
      {tube150, 50.0, R::c1_not_above_tube, 102.09, -47.91, kUnchecked},
      {tube150, {0.0, 50.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {tube150, {0.0, -50.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {tube150, 0.0, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {pi_l, {0.0, 50.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {pi_l, {0.0, -50.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {pi_l, 0.0, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {pi_l, {-1.0, 20.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {pi_l, {std::nan(""), 0.0}, R::invalid_load, kUnchecked, kUnchecked, kNone},
      {small, 50.0, R::no_c2_solution, kUnchecked, kUnchecked, x_edge},
      {small, {30.0, 20.0}, R::no_c2_solution, kUnchecked, kUnchecked, x_edge},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.z);
    const retune::Match m = retune::match(c.tank, c.z);
    EXPECT_EQ(m.reason, c.reason);
    if (c.c1_pf != kUnchecked) {
      EXPECT_NEAR(m.settings.c1_total_f * 1e12, c.c1_pf, 0.01);
      EXPECT_NEAR(m.settings.c_hot_f * 1e12, c.c_hot_pf, 0.01);
    }
    const std::optional<double> l = retune::l_needed_h(c.tank, c.z);
    if (c.x_needed_ohm == kNone) {
      EXPECT_FALSE(l.has_value());
    } else if (c.x_needed_ohm != kUnchecked) {
      ASSERT_TRUE(l.has_value());
      EXPECT_NEAR(w * *l / c.x_needed_ohm, 1.0, 1e-6);
    }
  }
}

TEST(Retune, TheSmithRegionsBorderPresentsTheAnodeResistance) {
  for (const Case& c : kCases) {
    const retune::Stage s = stage_of(c);
    const retune::Settings& d = s.design;
    const retune::SettingsRange r{0.7 * d.c1_total_f, 1.4 * d.c1_total_f, 0.6 * d.c2_f,
                                  1.3 * d.c2_f};
    const std::vector<Complex> border = retune::region_border(s.tank, r);
    ASSERT_EQ(border.size(), 4u * retune::kBorderPointsPerEdge);
    const int n = retune::kBorderPointsPerEdge;
    for (int i = 0; i < 4 * n; ++i) {
      const double u = static_cast<double>(i % n) / n;
      const std::array<double, 4> c1{r.c1_min_f + u * (r.c1_max_f - r.c1_min_f), r.c1_max_f,
                                     r.c1_max_f - u * (r.c1_max_f - r.c1_min_f), r.c1_min_f};
      const std::array<double, 4> c2{r.c2_min_f, r.c2_min_f + u * (r.c2_max_f - r.c2_min_f),
                                     r.c2_max_f, r.c2_max_f - u * (r.c2_max_f - r.c2_min_f)};
      const auto e = static_cast<std::size_t>(i / n);
      const pi_l::Network net = network(s.tank, {c1[e], 0.0, c2[e]});
      const Complex z_in =
          nodal(net, s.tank.f_hz, 1.0, 0.0, border[static_cast<std::size_t>(i)])[0];
      EXPECT_LE(std::abs((z_in - s.tank.r_oe) / (z_in + s.tank.r_oe)), 1e-9);
    }
  }
}

}  // namespace
