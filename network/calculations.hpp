#pragma once

#include <cstdint>

#include "network/cplx.hpp"

namespace calculations {

// Parallel combination z1 * z2 / (z1 + z2); NaN in both parts when z1 + z2 = 0.
// Defined here so that the sweeps, which call it tens of thousands of times
// per calculation, can inline it.
// z1, z2 : impedances, ohm
inline cplx::Complex parall(cplx::Complex z1, cplx::Complex z2) {
  const float a = z1.re;
  const float b = z1.im;
  const float c = z2.re;
  const float d = z2.im;
  const cplx::Complex product{a * c - b * d, c * b + d * a};
  const cplx::Complex sum{c + a, d + b};
  return cplx::smith_quotient(product, sum);
}

// parall, bit for bit, without a branch (see cplx::smith_quotient_select).
// z1, z2 : impedances, ohm
inline cplx::Complex parall_select(cplx::Complex z1, cplx::Complex z2) {
  const float a = z1.re;
  const float b = z1.im;
  const float c = z2.re;
  const float d = z2.im;
  const cplx::Complex product{a * c - b * d, c * b + d * a};
  const cplx::Complex sum{c + a, d + b};
  return cplx::smith_quotient_select(product, sum);
}

// Lowest loaded Q with which the network transforms r_a into r_b; never below 1.
// r_a, r_b : resistances, ohm, > 0
// eta      : network efficiency, 0 < eta < 1
float qkritich(float r_a, float r_b, float eta);

struct SweepStep {
  float step = 0.0f;       // Hz
  std::int32_t count = 0;  // steps from f_from to f_to
};

// Frequency step of the sweeps and the number of steps over [f_from, f_to].
// f      : working frequency, Hz, 1e5 <= f <= 6e7
// f_from : lower end, Hz
// f_to   : upper end, Hz
SweepStep delta(float f, float f_from, float f_to);

struct Elements {
  float c1 = 0.0f;          // F, anode-side shunt capacitor
  float c2 = 0.0f;          // F, load-side shunt capacitor
  float l_coil = 0.0f;      // H, series coil
  std::int32_t failed = 0;  // 1 for a near-singular solution, |D| < 1e-5
};

// Pi-network element values for a loaded Q, with the coil loss of an unloaded Q.
// r_oe   : equivalent anode resistance, ohm, > 0
// r_load : load resistance, ohm, > 0
// eta    : network efficiency 1 - QL / Q0, 0 < eta < 1
// ratio  : r_oe / r_load, as the caller computed it
// ql     : loaded Q, >= the critical Q
// f      : working frequency, Hz, > 0
Elements element(float r_oe, float r_load, float eta, float ratio, float ql, float f);

}  // namespace calculations
