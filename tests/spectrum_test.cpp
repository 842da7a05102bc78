// Harmonic filtering, the pass-band sweep and the S11 bandwidth.

#include "spectrum/spectrum.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "matching/polosa_s11.hpp"
#include "network/calculations.hpp"

namespace {

struct Tank {
  float r_oe, r_load, ql, q0, f, u_in;
  calculations::Elements e;
};

Tank tank(float r_oe, float r_load, float ql, float q0, float f) {
  const float eta = 1.0f - ql / q0;
  return {r_oe,
          r_load,
          ql,
          q0,
          f,
          1000.0f,
          calculations::element(r_oe, r_load, eta, r_oe / r_load, ql, f)};
}

TEST(HarmonicFiltering, TheWeakGeneratorDrivesSmallerCurrents) {
  const Tank t = tank(3000.0f, 50.0f, 12.0f, 200.0f, 7e6f);
  const auto weak =
      spectrum::garmonica1(t.u_in, t.e.c1, t.e.c2, t.e.l_coil, t.r_oe, t.r_load, t.f, t.q0);
  const auto matched =
      spectrum::garmonica2(t.u_in, t.e.c1, t.e.c2, t.e.l_coil, t.r_oe, t.r_load, t.f, t.q0);
  EXPECT_LT(weak.i_coil_a, matched.i_coil_a);
  EXPECT_LT(weak.i_c1_a, matched.i_c1_a);
  EXPECT_LT(weak.i_c2_a, matched.i_c2_a);
  EXPECT_LT(weak.q_c1_var, matched.q_c1_var);
  EXPECT_LT(weak.q_c2_var, matched.q_c2_var);
  EXPECT_LT(weak.q_l_var, matched.q_l_var);
  // The same EMF drives both frequencies, so the ratio does not depend on R_g
  // very much, and a Pi-network of QL 12 suppresses 2f by tens of dB.
  EXPECT_GT(weak.network_h2_db, 20.0f);
}

TEST(HarmonicFiltering, MatchedGeneratorPutsAboutUAtTheAnode) {
  const Tank t = tank(3000.0f, 50.0f, 12.0f, 200.0f, 7e6f);
  const auto m =
      spectrum::garmonica2(t.u_in, t.e.c1, t.e.c2, t.e.l_coil, t.r_oe, t.r_load, t.f, t.q0);
  // Reactive power in C1 is U^2 / X_C1 with X_C1 = 1 / (omega C1).
  const float omega = 6.283185f * t.f;
  EXPECT_NEAR(m.q_c1_var, t.u_in * t.u_in * omega * t.e.c1, 0.01f * m.q_c1_var);
  EXPECT_NEAR(m.i_c1_a, t.u_in * omega * t.e.c1, 0.01f * m.i_c1_a);
}

float passband(const Tank& t) {
  const calculations::SweepStep s = calculations::delta(t.f, 1000.0f, 1.3f * t.f);
  return spectrum::afr2(t.e.c1, t.e.c2, t.e.l_coil, t.u_in, t.r_oe, t.r_load, t.q0, 1000.0f, s.step,
                        s.count);
}

TEST(PassBand, IsAWholeNumberOfSweepSteps) {
  for (const float f : {1.9e6f, 3.6e6f, 7.1e6f, 14.2e6f}) {
    const Tank t = tank(3000.0f, 50.0f, 12.0f, 200.0f, f);
    const float step = calculations::delta(f, 1000.0f, 1.3f * f).step;
    const float width = passband(t);
    ASSERT_GT(width, 0.0f);
    const float steps = width / step;
    EXPECT_NEAR(steps, std::round(steps), 0.02f) << f;
  }
}

TEST(PassBand, AResponseStillFlatAtTheTopEndsAtTheLastSweptFrequency) {
  // A very low loaded Q gives a response that stays within 1 dB far above f.
  const Tank t = tank(60.0f, 50.0f, 1.2f, 600.0f, 1e6f);
  const calculations::SweepStep s = calculations::delta(t.f, 1000.0f, 1.3f * t.f);
  const float width = passband(t);
  float last = 1000.0f;
  for (int i = 1; i < s.count; ++i) last += s.step;
  ASSERT_GT(width, 0.0f);
  // The band reaches the last row: its upper edge is the last frequency swept.
  float lowest = last - width;
  EXPECT_GE(lowest, 1000.0f);
  EXPECT_LT(lowest, t.f);
}

TEST(PassBand, IsZeroWhenNoRowStaysWithinOneDecibel) {
  // A sweep that starts far above a narrow resonance never comes within 1 dB
  // of the reference level found over the upper half.
  const Tank t = tank(3000.0f, 50.0f, 40.0f, 750.0f, 1e6f);
  const float width =
      spectrum::afr2(t.e.c1, t.e.c2, t.e.l_coil, t.u_in, t.r_oe, t.r_load, t.q0, 5e6f, 500.0f, 4);
  EXPECT_GE(width, 0.0f);
  EXPECT_EQ(spectrum::afr2(t.e.c1, t.e.c2, t.e.l_coil, t.u_in, t.r_oe, t.r_load, t.q0, 1000.0f,
                           500.0f, 0),
            0.0f);
}

TEST(S11Bandwidth, CountsOnlyPointsStrictlyBelowTheLevel) {
  const Tank t = tank(3000.0f, 50.0f, 12.0f, 200.0f, 7e6f);
  const float step = calculations::delta(t.f, 1000.0f, 1.3f * t.f).step;
  const float one_point =
      polosa_s11::s11polosa(t.q0, t.e.c1, t.e.c2, t.e.l_coil, t.f, step, 1, t.r_oe, t.r_load);
  EXPECT_FLOAT_EQ(one_point, step * 0.001f);  // at f the match is perfect
  const float far_away = polosa_s11::s11polosa(t.q0, t.e.c1, t.e.c2, t.e.l_coil, 2.0f * t.f, step,
                                               5, t.r_oe, t.r_load);
  EXPECT_EQ(far_away, 0.0f);
  EXPECT_EQ(polosa_s11::s11polosa(t.q0, t.e.c1, t.e.c2, t.e.l_coil, t.f, step, 0, t.r_oe, t.r_load),
            0.0f);
}

TEST(S11Bandwidth, AContiguousRunAroundTheWorkingFrequency) {
  const Tank t = tank(3000.0f, 50.0f, 12.0f, 200.0f, 7e6f);
  const float step = calculations::delta(t.f, 1000.0f, 1.3f * t.f).step;
  const float band = polosa_s11::s11polosa(t.q0, t.e.c1, t.e.c2, t.e.l_coil, 0.7f * t.f, step, 4000,
                                           t.r_oe, t.r_load);
  // |S11| < 0.1 is roughly 0.2 * f / QL wide for this network.
  EXPECT_GT(band, 0.1f * 7e3f / 12.0f);
  EXPECT_LT(band, 0.4f * 7e3f / 12.0f);
}

}  // namespace
