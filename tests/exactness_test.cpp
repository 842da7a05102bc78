// The build must never fuse a multiply and an add: every result is the
// product of separately rounded single-precision operations.

#include <gtest/gtest.h>

#include <cmath>

#include "network/calculations.hpp"

namespace {

// Single-precision operations emulated in double: the exact double result
// rounded once to float, which is what an unfused float operation gives.
double wide(float x) {
  return static_cast<double>(x);
}
float mul(float a, float b) {
  return static_cast<float>(wide(a) * wide(b));
}
float add(float a, float b) {
  return static_cast<float>(wide(a) + wide(b));
}
float sub(float a, float b) {
  return static_cast<float>(wide(a) - wide(b));
}
float div(float a, float b) {
  return static_cast<float>(wide(a) / wide(b));
}

// The parallel combination with every operation rounded on its own, or
// with the real part of the product fused into one rounding.
cplx::Complex parall_by_steps(cplx::Complex z1, cplx::Complex z2, bool fused) {
  const float bd = mul(z1.im, z2.im);
  const float p_re = fused ? static_cast<float>(std::fma(wide(z1.re), wide(z2.re), -wide(bd)))
                           : sub(mul(z1.re, z2.re), bd);
  const float p_im = add(mul(z2.re, z1.im), mul(z2.im, z1.re));
  const float s_re = add(z2.re, z1.re);
  const float s_im = add(z2.im, z1.im);
  if (std::fabs(s_im) > std::fabs(s_re)) {
    const float r = div(s_re, s_im);
    const float den = add(mul(s_re, r), s_im);
    return {div(add(mul(p_re, r), p_im), den), div(sub(mul(p_im, r), p_re), den)};
  }
  const float r = div(s_im, s_re);
  const float den = add(s_re, mul(s_im, r));
  return {div(add(p_re, mul(p_im, r)), den), div(sub(p_im, mul(p_re, r)), den)};
}

TEST(Exactness, NoMultiplyAddIsEverFused) {
  // Both products of the real part need more than 24 bits and round to the
  // same float, so rounded one by one they cancel to 0, while fusing either
  // of them into the subtraction leaves its rounding error behind. With
  // z1 + z2 = (0, 2^-11 + 2^-22) that remainder is the whole imaginary part.
  // Read through volatile, so that the compiler cannot fold the call away.
  volatile float opaque_e = std::ldexp(1.0f, -12);
  volatile float opaque_u = std::ldexp(1.0f, -23);
  const float e = opaque_e;
  const float u = opaque_u;
  const cplx::Complex z1{1.0f + e, 1.0f + 2.0f * e + u};
  const cplx::Complex z2{-(1.0f + e), -(1.0f - u)};
  const cplx::Complex unfused = parall_by_steps(z1, z2, false);
  const cplx::Complex fused = parall_by_steps(z1, z2, true);
  ASSERT_NE(unfused.im, fused.im);  // the probe tells the two apart

  const cplx::Complex built = calculations::parall(z1, z2);
  EXPECT_EQ(built.re, unfused.re);
  EXPECT_EQ(built.im, unfused.im);
}

}  // namespace
