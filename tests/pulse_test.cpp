// The anode current pulse and its first harmonics.

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "pulse/ishsignal.hpp"
#include "pulse/nml1.hpp"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Coefficients {
  float a0, a1, a2;
  std::array<cplx::Complex, 3> terms;
};

std::array<float, 2048> samples(float theta_deg, float gamma) {
  std::array<float, 2048> y{};
  ishsignal::signal(0.0f, 6.283185f, 2047, y, theta_deg, gamma);
  return y;
}

Coefficients coefficients(float theta_deg, float gamma) {
  const auto y = samples(theta_deg, gamma);
  const auto c = nml1::dft1(2048, y);
  return {cplx::modulus(c[0]), cplx::modulus(c[1]), cplx::modulus(c[2]), c};
}

// The classical cosine-pulse coefficients, in double precision.
struct ClosedForm {
  double a0, a1, a2;
};
ClosedForm cosine_pulse(double theta_deg) {
  const double t = theta_deg * kPi / 180.0;
  const double d = kPi * (1.0 - std::cos(t));
  return {(std::sin(t) - t * std::cos(t)) / d, (t - std::sin(t) * std::cos(t)) / d,
          2.0 * std::pow(std::sin(t), 3) / (3.0 * d)};
}

TEST(PulseHarmonics, LinearCharacteristicMatchesTheCosinePulse) {
  for (const float theta : {60.0f, 90.0f, 120.0f}) {
    const Coefficients c = coefficients(theta, 1.0f);
    const ClosedForm expected = cosine_pulse(static_cast<double>(theta));
    EXPECT_NEAR(c.a0, expected.a0, 2e-4) << theta;
    EXPECT_NEAR(c.a1, expected.a1, 2e-4) << theta;
    EXPECT_NEAR(c.a2, expected.a2, 2e-4) << theta;
  }
}

TEST(PulseHarmonics, NinetyDegreesGivesTheTextbookFractions) {
  const Coefficients linear = coefficients(90.0f, 1.0f);
  EXPECT_NEAR(linear.a0, 1.0 / kPi, 1e-4);
  EXPECT_NEAR(linear.a1, 0.5, 1e-4);
  EXPECT_NEAR(linear.a2, 2.0 / (3.0 * kPi), 1e-4);

  const Coefficients square = coefficients(90.0f, 2.0f);
  EXPECT_NEAR(square.a0, 0.25, 1e-4);
  EXPECT_NEAR(square.a1, 4.0 / (3.0 * kPi), 1e-4);
  EXPECT_NEAR(square.a2, 0.25, 1e-4);
}

TEST(PulseHarmonics, CoefficientsMoveWithTheAngleAsExpected) {
  const Coefficients narrow = coefficients(60.0f, 1.0f);
  const Coefficients wide = coefficients(120.0f, 1.0f);
  EXPECT_LT(narrow.a0, wide.a0);
  EXPECT_LT(narrow.a1, wide.a1);
  EXPECT_GT(narrow.a2, wide.a2);
}

TEST(PulseHarmonics, ImaginaryPartsAreOnlyRoundingResidues) {
  for (const float theta : {26.0f, 90.0f, 150.0f}) {
    for (const float gamma : {0.95f, 1.5f, 2.1f}) {
      const Coefficients c = coefficients(theta, gamma);
      EXPECT_LT(std::fabs(c.terms[1].im), 1e-4f * c.a1);
      EXPECT_LT(std::fabs(c.terms[2].im), 1e-3f * c.a1);
    }
  }
}

TEST(PulseSamples, CrestIsExactlyOne) {
  for (const float theta : {25.5f, 90.0f, 180.0f}) {
    for (const float gamma : {0.95f, 1.0f, 1.7f, 2.1f}) {
      EXPECT_EQ(samples(theta, gamma)[0], 1.0f) << theta << ' ' << gamma;
    }
  }
}

TEST(PulseSamples, ClippedSamplesAreExactZerosEvenWithAFractionalExponent) {
  const auto y = samples(60.0f, 1.37f);
  int clipped = 0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    const float x = static_cast<float>(i) * (6.283185f / 2048.0f);
    ASSERT_FALSE(std::isnan(y[i])) << i;
    ASSERT_GE(y[i], 0.0f) << i;
    if (std::cos(x) < 0.5f - 1e-3f) {
      EXPECT_EQ(y[i], 0.0f) << i;
      ++clipped;
    }
  }
  EXPECT_GT(clipped, 1000);
}

TEST(PulseSamples, HalfPeriodAngleLeavesNoNegativeSampleAndAlmostNoSecondHarmonic) {
  for (const float theta : {180.0f, 180.001f}) {
    const auto y = samples(theta, 1.0f);
    for (const float v : y) ASSERT_GE(v, 0.0f);
    EXPECT_NEAR(y[1024], 0.0f, 1e-6f);
    const Coefficients c = coefficients(theta, 1.0f);
    EXPECT_NEAR(c.a0, 0.5f, 1e-4f);
    EXPECT_NEAR(c.a1, 0.5f, 1e-4f);
    EXPECT_LT(c.a2, 1e-5f);
  }
}

}  // namespace
