// The coil to wind, checked against other evaluations of the same physics:
// Lundin's rational formulas and a numeric integral of the loops' mutual
// inductance for Nagaoka's coefficient, Wheeler's formula for the current
// sheet, and the finite sum over pairs of turns for Rosa's mutual correction.

#include "parts/coil.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double kPi = std::numbers::pi;
constexpr double kMu0 = 4.0e-7 * kPi;

// Lundin's formulas for Nagaoka's coefficient (stated to 3 ppm).
double lundin(double d_over_l) {
  const auto f1 = [](double x) {
    return (1.0 + 0.383901 * x + 0.017108 * x * x) / (1.0 + 0.258952 * x);
  };
  const auto f2 = [](double x) { return 0.093842 * x + 0.002029 * x * x - 0.000801 * x * x * x; };
  if (d_over_l <= 1.0) return f1(d_over_l * d_over_l) - 4.0 * d_over_l / (3.0 * kPi);
  const double y = 1.0 / (d_over_l * d_over_l);
  return 2.0 / (kPi * d_over_l) * ((std::log(4.0 * d_over_l) - 0.5) * f1(y) + f2(y));
}

// Nagaoka's coefficient as the current sheet's inductance over that of the
// long-coil formula: the mutual inductance of two coaxial loops of radius 1
// at distance s integrated over the sheet, 2/(pi l) * int_0^l (l - s) M(s) ds,
// by Simpson's rule after s = l u^2, which tames the logarithm at s = 0.
double nagaoka_by_integral(double d_over_l) {
  const double len = 2.0 / d_over_l;
  const auto loops = [](double s) {  // M / mu0 for radius 1
    // Where k rounds to 1 the leading term of the expansion is exact to 1e-11.
    if (s < 1e-6) return std::log(8.0 / s) - 2.0;
    const double k = std::sqrt(4.0 / (4.0 + s * s));
    return (2.0 / k - k) * std::comp_ellint_1(k) - 2.0 / k * std::comp_ellint_2(k);
  };
  const auto integrand = [&](double u) {
    if (u == 0.0) return 0.0;
    const double s = len * u * u;
    return (len - s) * loops(s) * 2.0 * len * u;
  };
  constexpr int kIntervals = 20000;
  const double h = 1.0 / kIntervals;
  double sum = integrand(0.0) + integrand(1.0);
  for (int i = 1; i < kIntervals; ++i) sum += (i % 2 == 1 ? 4.0 : 2.0) * integrand(i * h);
  return 2.0 / (kPi * len) * sum * h / 3.0;
}

// Rosa's mutual correction of N whole turns as the finite sum over pairs:
// the loops' ln m against the mean logarithm of two strips of the sheet m
// pitches apart, g(m + 1) + g(m - 1) - 2 g(m) with g(x) = x^2 ln(x) / 2 - 3 x^2 / 4.
double rosa_mutual_by_pairs(int turns) {
  const auto g = [](double x) { return x == 0.0 ? 0.0 : x * x * std::log(x) / 2.0 - 0.75 * x * x; };
  double sum = 0.0;
  for (int m = 1; m < turns; ++m) {
    const double strips = g(m + 1.0) + g(m - 1.0) - 2.0 * g(m);
    sum += 2.0 * (turns - m) * (std::log(m) - strips);
  }
  return sum / turns;
}

TEST(Nagaoka, AgreesWithPublishedValuesLundinAndTheLoopIntegral) {
  struct Case {
    double d_over_l, published;  // published to 4 digits; 0 where none is quoted
  };
  const std::vector<Case> cases = {{0.1, 0.9588}, {1.0, 0.6884}, {2.0, 0.5255}, {0.02, 0},
                                   {0.4, 0},      {5.0, 0},      {30.0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d_over_l);
    const double k = coil::nagaoka(c.d_over_l);
    if (c.published > 0.0) {
      EXPECT_NEAR(k, c.published, 5e-5);
    }
    EXPECT_NEAR(k, lundin(c.d_over_l), 1e-5);
    EXPECT_NEAR(k, nagaoka_by_integral(c.d_over_l), 2e-7);
  }
}

TEST(RosaMutual, AgreesWithTheSumOverPairsOfTurns) {
  for (const int n : {1, 2, 3, 5, 10, 40, 300}) {
    SCOPED_TRACE(n);
    EXPECT_NEAR(coil::rosa_mutual(n), rosa_mutual_by_pairs(n), 1e-7);
  }
}

// Wheeler: L = r^2 N^2 / (9 r + 10 l) uH with inches, within 1 % of the
// current sheet for l > 0.8 r; the round-wire corrections are what is left,
// and here they are formed from the pairs' sum and Lundin's sheet instead.
TEST(Inductance, MatchesWheelerForTheSheetAndTheIndependentRoundWireSum) {
  struct Case {
    double d_mm, p_mm, wire_mm;
    int turns;
  };
  const std::vector<Case> cases = {
      {50.0, 2.0, 1.5, 14}, {25.4, 1.0, 1.0, 30}, {76.0, 4.0, 2.0, 8}, {20.0, 0.8, 0.7, 60}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.d_mm);
    const coil::Geometry g{c.d_mm * 1e-3, c.p_mm * 1e-3, c.wire_mm * 1e-3};
    const double r = g.diameter_m / 2.0;
    const double len = c.turns * g.pitch_m;
    ASSERT_GT(len, 0.8 * r);
    const double sheet = kMu0 * kPi * r * r * c.turns * c.turns * lundin(g.diameter_m / len) / len;
    const double r_in = r / 0.0254;
    const double wheeler_uh = r_in * r_in * c.turns * c.turns / (9.0 * r_in + 10.0 * len / 0.0254);
    EXPECT_NEAR(sheet * 1e6 / wheeler_uh, 1.0, 0.01);
    const double ks = 1.25 - std::log(2.0 * c.p_mm / c.wire_mm);
    const double expected = sheet - kMu0 * r * c.turns * (ks + rosa_mutual_by_pairs(c.turns));
    EXPECT_NEAR(coil::inductance(c.turns, g) / expected, 1.0, 1e-5);
    // The solver finds the turns back, and the lengths follow from them.
    const coil::Solved s = coil::solve(expected, g);
    ASSERT_TRUE(s.coil.has_value());
    EXPECT_NEAR(s.coil->turns, c.turns, 1e-3);
    EXPECT_NEAR(s.coil->length_m, len, 1e-3 * g.pitch_m);
    EXPECT_NEAR(s.coil->conductor_m, c.turns * std::hypot(kPi * g.diameter_m, g.pitch_m), 1e-5);
  }
}

TEST(Solve, RoundTripsFractionalTurnsOverTheWholeRange) {
  const coil::Geometry g{0.05, 0.002, 0.0015};
  for (const double n : {1.0, 1.37, 7.5, 123.45, 9999.0}) {
    SCOPED_TRACE(n);
    const coil::Solved s = coil::solve(coil::inductance(n, g), g);
    ASSERT_EQ(s.problem, coil::Problem::none);
    EXPECT_NEAR(s.coil->turns, n, 1e-9 * n);
  }
}

TEST(Solve, GivesTheReasonInsteadOfACoil) {
  const coil::Geometry good{0.05, 0.002, 0.0015};
  struct Case {
    coil::Geometry g;
    double l_h;
    coil::Problem problem;
  };
  const std::vector<Case> cases = {
      {{0.0, 0.002, 0.0015}, 1e-6, coil::Problem::diameter_not_positive},
      {{0.05, 0.002, -1.0}, 1e-6, coil::Problem::wire_not_positive},
      {{0.05, 0.001, 0.0015}, 1e-6, coil::Problem::pitch_below_wire},
      {{0.05, kNaN, 0.0015}, 1e-6, coil::Problem::pitch_below_wire},
      {{0.001, 0.002, 0.0015}, 1e-6, coil::Problem::wire_not_below_diameter},
      {good, 0.0, coil::Problem::inductance_not_positive},
      {good, kNaN, coil::Problem::inductance_not_positive},
      {good, 1e-9, coil::Problem::inductance_below_one_turn},
      {good, 1.0, coil::Problem::inductance_above_limit},
  };
  for (const Case& c : cases) {
    const coil::Solved s = coil::solve(c.l_h, c.g);
    EXPECT_EQ(s.problem, c.problem);
    EXPECT_FALSE(s.coil.has_value());
  }
}

TEST(Tapped, WindsForTheLargestAndTapsEachBandAtItsInductance) {
  const coil::Geometry g{0.05, 0.002, 0.0015};
  const std::vector<double> bands = {2.5e-6, 12e-6, 6e-6, 0.8e-6};
  const coil::Tapped t = coil::tapped(bands, g);
  ASSERT_EQ(t.problem, coil::Problem::none);
  ASSERT_EQ(t.taps.size(), bands.size());
  EXPECT_EQ(t.coil->turns, t.taps[1]);
  for (std::size_t i = 0; i < bands.size(); ++i) {
    EXPECT_NEAR(coil::inductance(t.taps[i], g) / bands[i], 1.0, 1e-9);
  }
  EXPECT_LT(t.taps[3], t.taps[0]);
  EXPECT_LT(t.taps[0], t.taps[2]);

  const coil::Tapped bad = coil::tapped({2.5e-6, -1.0}, g);
  EXPECT_EQ(bad.problem, coil::Problem::inductance_not_positive);
  EXPECT_EQ(bad.band, 1u);
  EXPECT_FALSE(bad.coil.has_value());
}

}  // namespace
