#pragma once

// Sizing the Pi-network: critical Q, the elements C1, L, C2 for a loaded Q,
// the sweep step and the parallel combination of impedances.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "network/cplx.hpp"

namespace calculations {

// The product z1 * z2 and the sum z1 + z2 of a parallel combination, in the
// order of operations both forms of parall share.
struct ProductAndSum {
  cplx::Complex product;
  cplx::Complex sum;
};
inline ProductAndSum product_and_sum(cplx::Complex z1, cplx::Complex z2) {
  const float a = z1.re;
  const float b = z1.im;
  const float c = z2.re;
  const float d = z2.im;
  return {{a * c - b * d, c * b + d * a}, {c + a, d + b}};
}

// Parallel combination z1 * z2 / (z1 + z2); NaN in both parts when z1 + z2 = 0.
// Defined here so that the sweeps, which call it tens of thousands of times
// per calculation, can inline it.
// z1, z2 : impedances, ohm
inline cplx::Complex parall(cplx::Complex z1, cplx::Complex z2) {
  const ProductAndSum ps = product_and_sum(z1, z2);
  return cplx::smith_quotient(ps.product, ps.sum);
}

// parall, bit for bit, without a branch (see cplx::smith_quotient_select).
// z1, z2 : impedances, ohm
inline cplx::Complex parall_select(cplx::Complex z1, cplx::Complex z2) {
  const ProductAndSum ps = product_and_sum(z1, z2);
  return cplx::smith_quotient_select(ps.product, ps.sum);
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

// The two stages of element around its square root, shared with element_lanes.
struct ElementRadicand {
  float t = 0.0f;         // r_oe - r_load * eta, ohm
  float radicand = 0.0f;  // under the square root of D
};

inline ElementRadicand element_radicand(float r_oe, float r_load, float eta, float ratio,
                                        float ql) {
  ElementRadicand r;
  r.t = r_oe - r_load * eta;
  float radicand = 1.0f + ql * ql;
  radicand = radicand + eta * eta;
  radicand = ratio * radicand;
  radicand = radicand / eta;
  radicand = radicand - ratio * ratio;
  r.radicand = radicand - 1.0f;
  return r;
}

// root : the square root of the radicand;  t : from element_radicand
inline Elements element_from_root(float root, float t, float r_oe, float r_load, float eta,
                                  float ql, float f) {
  Elements e;
  const float d = root - ql;
  const float x = t / d;                                                      // reactance of C2
  const float y = r_oe * x / (ql * x - r_load * eta);                         // reactance of C1
  const float z = ql * (x * x * r_load) / (eta * (x * x + r_load * r_load));  // of L
  const float omega = 6.283185f * f;
  e.l_coil = z / omega;
  e.c1 = 1.0f / (omega * y);
  e.c2 = 1.0f / (omega * x);
  e.failed = (std::fabs(d) < 1e-5f) ? 1 : 0;
  return e;
}

// Pi-network element values for a loaded Q, with the coil loss of an unloaded Q.
// r_oe   : equivalent anode resistance, ohm, > 0
// r_load : load resistance, ohm, > 0
// eta    : network efficiency 1 - QL / Q0, 0 < eta < 1
// ratio  : r_oe / r_load, as the caller computed it
// ql     : loaded Q, >= the critical Q
// f      : working frequency, Hz, > 0
Elements element(float r_oe, float r_load, float eta, float ratio, float ql, float f);

// element for N sets of values at once, the same bits as N calls: the
// stages before and after the square root run in vector lanes.
// Arguments as for element, one per lane; r_load and f shared.
template <std::size_t N>
std::array<Elements, N> element_lanes(const std::array<float, N>& r_oe, float r_load,
                                      const std::array<float, N>& eta,
                                      const std::array<float, N>& ratio,
                                      const std::array<float, N>& ql, float f) {
  std::array<float, N> t, radicand, root, c1, c2, l_coil;
  std::array<std::int32_t, N> failed;
  for (std::size_t k = 0; k < N; ++k) {
    const ElementRadicand r = element_radicand(r_oe[k], r_load, eta[k], ratio[k], ql[k]);
    t[k] = r.t;
    radicand[k] = r.radicand;
  }
  for (std::size_t k = 0; k < N; ++k) root[k] = std::sqrt(radicand[k]);
  for (std::size_t k = 0; k < N; ++k) {
    const Elements e = element_from_root(root[k], t[k], r_oe[k], r_load, eta[k], ql[k], f);
    c1[k] = e.c1;
    c2[k] = e.c2;
    l_coil[k] = e.l_coil;
    failed[k] = e.failed;
  }
  std::array<Elements, N> out;
  for (std::size_t k = 0; k < N; ++k) out[k] = {c1[k], c2[k], l_coil[k], failed[k]};
  return out;
}

}  // namespace calculations
