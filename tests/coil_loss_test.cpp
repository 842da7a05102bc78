// The real coil's loss and resonance against values evaluated independently
// (the skin ratio and the Bessel functions in 60-digit arithmetic, Knight's
// method in double precision with library Bessel functions and root finder),
// against Medhurst's published table and rule, and against measured and
// worked coils of the literature.

#include "parts/coil_loss.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

double relative(double value, double reference) {
  return std::abs(value / reference - 1.0);
}

TEST(CoilLoss, SkinRatioIsTheExactOneAndItsTwoFormsAgreeWhereBothHold) {
  struct Case {
    double q, exact, tolerance;
  };
  const std::vector<Case> cases = {
      // the reference's table, to its five decimals
      {0.5, 1.00033, 1e-5},
      {1, 1.00519, 1e-5},
      {2, 1.07816, 1e-5},
      {3, 1.31809, 1e-5},
      {5, 2.04273, 1e-5},
      {8, 3.09445, 1e-5},
      {10, 3.79858, 1e-5},
      {15, 5.56208, 1e-5},
      // 60-digit evaluations of Re{(ka/2) J0(ka) / J1(ka)}, either side of the switch
      {25, 9.094125782811487, 1e-12},
      {40, 14.39544729663339, 1e-11},
      {59, 21.1118963233687, 1e-8},
      {61, 21.81892951225643, 4e-8},
      {80, 28.53592817860864, 2e-8},
      {150, 53.28389242006571, 1e-8},
      {400, 141.6716876908777, 1e-8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.q);
    EXPECT_LT(relative(coil_loss::skin_ratio(c.q), c.exact), c.tolerance);
  }
  EXPECT_EQ(coil_loss::skin_ratio(0.0), 1.0);
  for (double q = 15.0; q <= coil_loss::kSeriesLimitQ; q += 2.5) {
    SCOPED_TRACE(q);
    EXPECT_LT(relative(coil_loss::skin_ratio_asymptotic(q), coil_loss::skin_ratio_series(q)), 1e-4);
  }
  // No step where the forms change over.
  const double q = coil_loss::kSeriesLimitQ;
  EXPECT_LT(relative(coil_loss::skin_ratio(q), coil_loss::skin_ratio(std::nextafter(q, 0.0))),
            4e-8);
}

TEST(CoilLoss, ModifiedBesselFunctionsAgreeWithAHighPrecisionEvaluation) {
  struct Case {
    double x, i0, i1, k0, k1;  // e^-x I0, e^-x I1, e^x K0, e^x K1, 60 digits
  };
  const std::vector<Case> cases = {
      {0.117, 0.89263218174121684, 0.052129832806038023, 2.5547700296388465, 9.4258631770290031},
      {1.0, 0.46575960759364044, 0.20791041534970845, 1.144463079806895, 1.6361534862632582},
      {5.0, 0.18354081260932835, 0.16397226694454236, 0.54780756431351899, 0.60027385878831258},
      {19.99, 0.089803061428909376, 0.087527241948286223, 0.27861370837224087, 0.28549943215179894},
      {20.01, 0.089757579627575299, 0.087485217514126802, 0.27847609594556066, 0.28535161903588412},
      {100.0, 0.039944379299096683, 0.039744153025130253, 0.12517562165912658,
       0.12579995047957853}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    const coil_loss::ScaledBessel b = coil_loss::modified_bessel(c.x);
    EXPECT_LT(relative(b.i0, c.i0), 1e-13);
    EXPECT_LT(relative(b.i1, c.i1), 1e-13);
    EXPECT_LT(relative(b.k0, c.k0), 1e-13);
    EXPECT_LT(relative(b.k1, c.k1), 1e-13);
  }
  // At the pole and outside the domain an answer, not a loop without end.
  const coil_loss::ScaledBessel zero = coil_loss::modified_bessel(0.0);
  EXPECT_TRUE(zero.i0 == 1.0 && zero.i1 == 0.0 && std::isinf(zero.k0) && std::isinf(zero.k1));
  for (const double x : {-1.0, std::nan("")}) {
    const coil_loss::ScaledBessel b = coil_loss::modified_bessel(x);
    EXPECT_TRUE(std::isnan(b.i0) && std::isnan(b.i1) && std::isnan(b.k0) && std::isnan(b.k1)) << x;
  }
}

TEST(CoilLoss, ProximityFactorHitsMedhurstsNodesAndInterpolatesBetween) {
  // The published table, transcribed separately from the code's.
  const std::array<double, 12> rows = {0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10, kInf};
  const std::array<double, 11> columns = {1, 1.111, 1.25, 1.429, 1.667, 2, 2.5, 3.333, 5, 10, kInf};
  const double table[12][11] = {
      {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1.00},
      {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1.00},
      {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1.00},
      {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1.00},
      {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1.00},
      {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1.00},
      {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1.00},
      {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1.00},
      {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1.00},
      {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1.00},
      {3.23, 2.93, 2.65, 2.37, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1.00},
      {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1.00}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < columns.size(); ++j) {
      EXPECT_EQ(coil_loss::proximity_factor(rows[i], columns[j]), table[i][j]) << i << ", " << j;
    }
  }
  struct Case {
    double l_over_d, p_over_d, phi;
  };
  const std::vector<Case> between = {
      {0.5, (1.111 + 1.25) / 2, (3.99 + 2.97 + 4.11 + 3.10) / 4},  // midway in both
      {3.0, 2.0, (1.74 + 1.78) / 2},                               // midway between rows
      {20.0, 20.0, (1.04 + 1.00 + 1.05 + 1.00) / 4},  // midway to infinity in D/l and d/p
      {1.0, 0.5, 5.55},                               // below the table: its edge
      {1e300, 1.0, 3.41}};                            // towards the infinitely long coil
  for (const Case& c : between) {
    SCOPED_TRACE(c.l_over_d);
    EXPECT_NEAR(coil_loss::proximity_factor(c.l_over_d, c.p_over_d), c.phi, 1e-12);
  }
}

TEST(CoilLoss, TurnsFactorIsThePublishedOneAndNeverLowersTheLossAsTurnsAreAdded) {
  const std::vector<std::array<double, 2>> cases = {
      {1.0, 1.0}, {1.5, 1.0 / 1.5}, {2.0, 0.5}, {3.0, 2.0 / 3.0}, {10.0, 0.9}};
  for (const auto& [turns, factor] : cases)
    EXPECT_DOUBLE_EQ(coil_loss::turns_factor(turns), factor);
  for (double n = 1.0; n < 4.0; n += 0.01) {
    EXPECT_LE(coil_loss::turns_factor(n) * n,
              coil_loss::turns_factor(n + 0.01) * (n + 0.01) + 1e-12);
  }
}

TEST(CoilLoss, KnightsSelfCapacitanceFollowsMedhurstsRule) {
  // Medhurst's H, pF per cm of D, for coils on polystyrene (eps 2.55), l/D = 1 to 5.
  const std::vector<double> h = {0.46, 0.47, 0.50, 0.56, 0.61, 0.67, 0.72, 0.77, 0.81};
  const coil::Geometry g{0.10, 1e-3, 0.5e-3};
  for (std::size_t i = 0; i < h.size(); ++i) {
    const double l_over_d = 1.0 + 0.5 * static_cast<double>(i);
    const double turns = l_over_d * g.diameter_m / g.pitch_m;
    const double pf_per_cm = coil_loss::self_capacitance(turns, g, {2.55, 1.0}) * 1e12 / 10.0;
    EXPECT_LT(relative(pf_per_cm, h[i]), 0.05) << l_over_d;
  }
  const double air = coil_loss::self_capacitance(100.0, g) * 1e12 / 10.0;
  EXPECT_NEAR(air, 0.311, 0.0005);
}

TEST(CoilLoss, SelfResonanceOfTheMeasuredCoils) {
  struct Case {
    double wire_length_m, diameter_m, length_m, wire_m;
    double measured_mhz, published_knight_mhz, knight_mhz;  // the last evaluated independently
  };
  const std::vector<Case> cases = {
      {3.561, 37.1e-3, 158.8e-3, 1.83e-3, 57.4, 58.4, 58.3505926459},
      {3.561, 37.1e-3, 323.9e-3, 1.83e-3, 67.8, 68.6, 68.61325593},
      {0.0, 155e-3, 140e-3, 1.3e-3, 8.93, 9.00, 8.99571453262}};  // 27 turns
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length_m);
    const double turns =
        c.wire_length_m > 0.0
            ? std::sqrt(c.wire_length_m * c.wire_length_m - c.length_m * c.length_m) /
                  (std::numbers::pi * c.diameter_m)
            : 27.0;
    const coil::Geometry g{c.diameter_m, c.length_m / turns, c.wire_m};
    const double mhz = coil_loss::self_resonance(turns, g) / 1e6;
    EXPECT_LT(relative(mhz, c.measured_mhz), 0.03);
    EXPECT_LT(relative(mhz, c.published_knight_mhz), 0.002);
    EXPECT_LT(relative(mhz, c.knight_mhz), 1e-9);
  }
}

TEST(CoilLoss, EvaluateGivesTheWorkedCoilsAndItsWarnings) {
  const coil::Geometry g{75e-3, 5e-3, 2.5e-3};
  // 20 mm at a 10 mm pitch: sin^2 psi = 0.025, where Knight's 1 / cos^2 psi shows.
  const coil::Geometry spaced{20e-3, 10e-3, 2e-3};
  struct Case {
    coil::Geometry g;
    double turns, f_hz, l_uh, r_ohm, q;         // 0: not checked; within 2 % and 5 %
    double q_exact, q_apparent, srf_mhz, c_pf;  // 0: not checked; evaluated independently
    bool near_resonance, skin_undeveloped;
  };
  const std::vector<Case> cases = {
      {g, 13, 10e6, 9.27, 0.491, 1190, 0, 0, 0, 0, false, false},
      {g, 17, 10e6, 13.19, 0.646, 1280, 0, 0, 0, 0, false, false},
      // Q (1 - (f / f_srf)^2) at 0.63 of the resonance.
      {g, 17, 20e6, 0, 0, 0, 1776.08, 1077.11, 31.881, 0, false, false},
      {spaced, 6, 10e6, 0, 0, 0, 0, 0, 0, 0.9927, false, false},
      {g, 17, 28e6, 0, 0, 0, 0, 0, 0, 0, true, false},
      {g, 17, 1e3, 0, 0, 0, 0, 0, 0, 0, false, true}};
  const auto digits = [](double got, double want) {
    if (want != 0.0) {
      EXPECT_LT(relative(got, want), 6e-5) << want;
    }
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turns);
    const coil_loss::Values v = coil_loss::evaluate(c.turns, c.g, c.f_hz);
    if (c.q > 0.0) {
      EXPECT_LT(relative(v.inductance_h * 1e6, c.l_uh), 0.02);
      EXPECT_LT(relative(v.r_ohm, c.r_ohm), 0.05);
      EXPECT_LT(relative(v.q, c.q), 0.05);
    }
    digits(v.q, c.q_exact);
    digits(v.q_apparent, c.q_apparent);
    digits(v.srf_hz / 1e6, c.srf_mhz);
    digits(v.c_self_f * 1e12, c.c_pf);
    EXPECT_EQ(v.near_resonance, c.near_resonance);
    EXPECT_EQ(v.skin_undeveloped, c.skin_undeveloped);
  }
  EXPECT_NEAR(coil_loss::skin_depth(1e6), 66.0847661563833e-6, 1e-15);
}

}  // namespace

namespace {

// 10 % either side of a 30 MHz resonance: 27..33 MHz.
TEST(CoilLoss, HarmonicsNearAResonance) {
  struct Case {
    double f_mhz;
    std::vector<int> near;
  };
  for (const Case& c : {Case{28.5, {1}}, Case{14.2, {2}}, Case{10.1, {3}}, Case{7.1, {}},
                        Case{26.9, {}}, Case{33.1, {}}, Case{9.5, {3}}, Case{16.4, {2}}}) {
    SCOPED_TRACE(c.f_mhz);
    EXPECT_EQ(coil_loss::harmonics_near(c.f_mhz * 1e6, 30e6), c.near);
  }
}

}  // namespace
