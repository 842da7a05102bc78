#pragma once

// The complex value of the network evaluations: a pair of single-precision
// floats, real part first. Quotients follow Smith's method, written out, so
// that every build forms them with the same operations in the same order.

#include <bit>
#include <cmath>
#include <cstdint>

namespace cplx {

struct Complex {
  float re = 0.0f;
  float im = 0.0f;
};

inline Complex operator+(Complex a, Complex b) {
  return {a.re + b.re, a.im + b.im};
}
inline Complex operator-(Complex a, Complex b) {
  return {a.re - b.re, a.im - b.im};
}
inline Complex operator*(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
inline Complex conj(Complex a) {
  return {a.re, -a.im};
}

// n / d by Smith's method: divide through by the larger part of d, taking
// the imaginary part only when its magnitude is strictly larger.
inline Complex smith_quotient(Complex n, Complex d) {
  if (std::fabs(d.im) > std::fabs(d.re)) {
    const float r = d.re / d.im;
    const float den = d.re * r + d.im;
    return {(n.re * r + n.im) / den, (n.im * r - n.re) / den};
  }
  const float r = d.im / d.re;
  const float den = d.re + d.im * r;
  return {(n.re + n.im * r) / den, (n.im - n.re * r) / den};
}

// a when take_a, else b, by masking the bits: no branch that the compiler
// could keep in a loop, so loops over it vectorise.
inline float select_bits(bool take_a, float a, float b) {
  const std::uint32_t mask = 0u - static_cast<std::uint32_t>(take_a);
  return std::bit_cast<float>((std::bit_cast<std::uint32_t>(a) & mask) |
                              (std::bit_cast<std::uint32_t>(b) & ~mask));
}

// The same quotient, bit for bit, without a branch: the cheap terms of both
// branches are formed and the three divisions made once on the operands of
// the branch taken, so that a loop over many quotients can run several at a
// time in vector registers.
inline Complex smith_quotient_select(Complex n, Complex d) {
  const bool by_im = std::fabs(d.im) > std::fabs(d.re);
  const float r = select_bits(by_im, d.re, d.im) / select_bits(by_im, d.im, d.re);
  const float den = select_bits(by_im, d.re * r + d.im, d.re + d.im * r);
  const float re = select_bits(by_im, n.re * r + n.im, n.re + n.im * r);
  const float im = select_bits(by_im, n.im * r - n.re, n.im - n.re * r);
  return {re / den, im / den};
}

inline Complex operator/(Complex n, Complex d) {
  return smith_quotient(n, d);
}

// Single-precision modulus without intermediate overflow.
inline float modulus(Complex a) {
  return std::hypot(a.re, a.im);
}

// re^2 + im^2 in double precision: the squares are exact and the sum is
// rounded once, so it is within 2^-52 of the true value for every finite
// float pair, with no overflow and no underflow. Used only to decide
// comparisons that are certain far from their threshold; no result is ever
// computed from it.
inline double squared_modulus_wide(Complex a) {
  const double re = static_cast<double>(a.re);
  const double im = static_cast<double>(a.im);
  return re * re + im * im;
}

}  // namespace cplx
