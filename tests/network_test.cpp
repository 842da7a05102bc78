// Pi-network synthesis and the reflection coefficients of the result.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "matching/s11module.hpp"
#include "matching/s11s22f.hpp"
#include "network/calculations.hpp"

namespace {

using cplx::Complex;

TEST(CriticalQ, IsSymmetricInTheTwoResistancesAndNeverBelowOne) {
  EXPECT_FLOAT_EQ(calculations::qkritich(2000.0f, 50.0f, 0.95f), std::sqrt(37.0f));
  EXPECT_FLOAT_EQ(calculations::qkritich(50.0f, 2000.0f, 0.95f), std::sqrt(37.0f));
  EXPECT_EQ(calculations::qkritich(60.0f, 50.0f, 0.95f), 1.0f);
}

TEST(ParallelCombination, FollowsTheProductOverSum) {
  const Complex z = calculations::parall({50.0f, 0.0f}, {0.0f, -50.0f});
  EXPECT_FLOAT_EQ(z.re, 25.0f);
  EXPECT_FLOAT_EQ(z.im, -25.0f);
  const Complex shorted = calculations::parall({1.0f, 0.0f}, {-1.0f, 0.0f});
  EXPECT_TRUE(std::isnan(shorted.re) && std::isnan(shorted.im));
}

TEST(ReflectionMagnitude, KnownImpedancesAgainstFiftyOhms) {
  const Complex fifty{50.0f, 0.0f};
  EXPECT_EQ(s11module::swrsub(fifty, fifty), 0.0f);
  EXPECT_FLOAT_EQ(s11module::swrsub({100.0f, 0.0f}, fifty), 1.0f / 3.0f);
  EXPECT_FLOAT_EQ(s11module::swrsub({0.0f, 0.0f}, fifty), 1.0f);
  EXPECT_FLOAT_EQ(s11module::swrsub({50.0f, 50.0f}, fifty), std::sqrt(0.2f));
}

TEST(SweepStep, HasThreeBandsAndDropsBackAtTheTop) {
  EXPECT_EQ(calculations::delta(1e5f, 1000.0f, 1.3e5f).step, 500.0f);
  EXPECT_EQ(calculations::delta(1099999.0f, 1000.0f, 1.3f * 1099999.0f).step, 500.0f);
  EXPECT_EQ(calculations::delta(1.1e6f, 1000.0f, 1.43e6f).step, 500.0f);
  EXPECT_EQ(calculations::delta(7e6f, 1000.0f, 9.1e6f).step,
            std::round(329.31f + 7e6f * 1.552e-4f));
  const float below_top = calculations::delta(30099998.0f, 1000.0f, 3.9e7f).step;
  const float at_top = calculations::delta(30.1e6f, 1000.0f, 3.913e7f).step;
  EXPECT_GT(below_top, 5000.0f);
  EXPECT_EQ(at_top, 5000.0f);
  EXPECT_EQ(calculations::delta(6e7f, 1000.0f, 7.8e7f).step, 5000.0f);
}

TEST(SweepStep, CountsRoundedStepsOverTheSpan) {
  const float f = 14.2e6f;
  const calculations::SweepStep s = calculations::delta(f, 1000.0f, 1.3f * f);
  EXPECT_EQ(s.count, std::lround((1.3f * f - 1000.0f) / s.step));
  EXPECT_EQ(calculations::delta(1e5f, 1000.0f, 1.3f * 1e5f).count, 258);
}

struct Design {
  float r_oe, r_load, ql, q0, f;
};

calculations::Elements design(const Design& d) {
  const float eta = 1.0f - d.ql / d.q0;
  return calculations::element(d.r_oe, d.r_load, eta, d.r_oe / d.r_load, d.ql, d.f);
}

// The network built from the element values presents r_oe at the anode and,
// seen from the load, reflects exactly QL / Q0.
void expect_design_identity(const Design& d) {
  const calculations::Elements e = design(d);
  ASSERT_EQ(e.failed, 0);
  ASSERT_GT(e.c1, 0.0f);
  ASSERT_GT(e.c2, 0.0f);
  ASSERT_GT(e.l_coil, 0.0f);
  const s11s22f::Reflections r = s11s22f::fs11(d.f, d.q0, d.r_oe, d.r_load, e.c1, e.c2, e.l_coil);
  EXPECT_LT(r.s11, 1e-3f);
  EXPECT_NEAR(r.s22, d.ql / d.q0, 1e-3f);
}

TEST(ElementValues, UpwardTransformationMatchesTheDesignIdentity) {
  expect_design_identity({2000.0f, 50.0f, 10.0f, 200.0f, 7e6f});
  const s11s22f::Reflections r = [] {
    const calculations::Elements e = design({2000.0f, 50.0f, 10.0f, 200.0f, 7e6f});
    return s11s22f::fs11(7e6f, 200.0f, 2000.0f, 50.0f, e.c1, e.c2, e.l_coil);
  }();
  EXPECT_NEAR(r.s22, 0.05f, 1e-4f);
}

TEST(ElementValues, DownwardTransformationWorksWithTheSameFormulas) {
  expect_design_identity({30.0f, 600.0f, 12.0f, 300.0f, 1.9e6f});
  expect_design_identity({10.0f, 50.0f, 8.0f, 150.0f, 28e6f});
}

TEST(ElementValues, NetworkPresentsROeAtTheAnodeInDoublePrecision) {
  // An independent route: the same network evaluated with std::complex<double>.
  using C = std::complex<double>;
  for (const Design d :
       {Design{3000.0f, 50.0f, 12.0f, 750.0f, 3.6e6f}, Design{1200.0f, 75.0f, 20.0f, 200.0f, 21e6f},
        Design{40.0f, 300.0f, 9.0f, 120.0f, 0.5e6f}}) {
    const calculations::Elements e = design(d);
    const double omega = 2.0 * 3.14159265358979 * static_cast<double>(d.f);
    const C z_c1(0.0, -1.0 / (omega * static_cast<double>(e.c1)));
    const C z_c2(0.0, -1.0 / (omega * static_cast<double>(e.c2)));
    const double x_l = omega * static_cast<double>(e.l_coil);
    const C z_l(x_l / static_cast<double>(d.q0), x_l);
    const auto par = [](C a, C b) { return a * b / (a + b); };
    const C load = par(C(static_cast<double>(d.r_load), 0.0), z_c2);
    const C z_in = par(load + z_l, z_c1);
    EXPECT_NEAR(z_in.real(), static_cast<double>(d.r_oe), 1e-3 * static_cast<double>(d.r_oe));
    EXPECT_NEAR(z_in.imag(), 0.0, 1e-3 * static_cast<double>(d.r_oe));
    // The loaded Q is the coil reactance over the branch's series resistance, times eta.
    const double eta = 1.0 - static_cast<double>(d.ql / d.q0);
    EXPECT_NEAR(x_l * eta / load.real(), static_cast<double>(d.ql),
                1e-3 * static_cast<double>(d.ql));
  }
}

TEST(ElementValues, LoadedQIsTheSumOfBothEndsQs) {
  // The worked example of the README and the manual page: a handbook design
  // of 500 to 50 ohm at 4 MHz with Q = R1 / XC1 = 10 (lossless). The
  // element calculation's loaded Q is R1 / XC1 + R2 / XC2, so it gives the
  // same elements at QL = 10 + R2 / XC2 = 13.02.
  const double r1 = 500.0;
  const double r2 = 50.0;
  const double q = 10.0;
  const double xc1 = r1 / q;
  const double xc2 = r2 / std::sqrt(r2 / r1 * (q * q + 1.0) - 1.0);
  const double xl = (q * r1 + r1 * r2 / xc2) / (q * q + 1.0);
  const double omega = 2.0 * std::numbers::pi * 4e6;
  const auto ql = static_cast<float>(q + r2 / xc2);
  EXPECT_NEAR(ql, 13.0166, 1e-4);
  const calculations::Elements e = calculations::element(500.0f, 50.0f, 1.0f, 10.0f, ql, 4e6f);
  EXPECT_NEAR(static_cast<double>(e.c1) * omega * xc1, 1.0, 1e-5);     // 795.8 pF
  EXPECT_NEAR(static_cast<double>(e.c2) * omega * xc2, 1.0, 1e-5);     // 2400.6 pF
  EXPECT_NEAR(static_cast<double>(e.l_coil) * omega / xl, 1.0, 1e-5);  // 2.564 uH
  // Back: QL = 13.0 is R1 / XC1 = 9.99.
  const calculations::Elements back =
      calculations::element(500.0f, 50.0f, 1.0f, 10.0f, 13.0f, 4e6f);
  EXPECT_NEAR(r1 * omega * static_cast<double>(back.c1), 9.9875, 1e-3);
}

TEST(ElementValues, FlagsANearSingularSolution) {
  // D = sqrt(ratio * ((1 + QL^2) + eta^2) / eta - ratio^2 - 1) - QL vanishes
  // at ratio = (1 + QL^2) / eta; some float close to it must be flagged.
  const float ql = 2.0f;
  const float eta = 0.95f;
  const float root = (1.0f + ql * ql) / eta;
  const auto element_at = [&](float ratio) {
    return calculations::element(ratio * 50.0f, 50.0f, eta, ratio, ql, 7e6f);
  };
  int flagged = 0;
  float ratio = root;
  for (int i = 0; i < 200; ++i) ratio = std::nextafter(ratio, 0.0f);
  for (int i = 0; i < 400; ++i, ratio = std::nextafter(ratio, 1e9f)) {
    flagged += element_at(ratio).failed;
  }
  EXPECT_GT(flagged, 0);
  EXPECT_EQ(element_at(root * 1.01f).failed, 0);
  EXPECT_EQ(element_at(root * 0.99f).failed, 0);
}

}  // namespace
