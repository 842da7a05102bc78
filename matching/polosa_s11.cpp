#include "matching/polosa_s11.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

#include "matching/s11module.hpp"
#include "network/calculations.hpp"
#include "network/pi_network.hpp"

namespace polosa_s11 {

namespace {

// Whether |S11| of z_in against r_oe lies strictly below 0.1. The reflection
// is (z_ref - z) / (z + z_ref); far from the level the answer follows from the
// wide squares of numerator and denominator alone: their quotient is within
// a few units in the last place of the single-precision modulus when the
// denominator is in the normal range, and the margins 0.0999 and 0.1001 are
// a thousand times wider. Near the level, or for values out of range, the
// single-precision reflection decides, as always.
bool below_level(cplx::Complex z_in, float r_oe) {
  const cplx::Complex z_ref{r_oe, 0.0f};
  const double numerator = cplx::squared_modulus_wide(z_ref - z_in);
  const double denominator = cplx::squared_modulus_wide(z_in + z_ref);
  if (denominator >= 1e-60 && denominator <= 1e60 && numerator <= 1e60) {
    if (numerator < 0.0999 * 0.0999 * denominator) return true;
    if (numerator > 0.1001 * 0.1001 * denominator) return false;
  }
  return s11module::swrsub(z_in, z_ref) < 0.1f;
}

}  // namespace

// The sweep solves kLanes points at a time: the impedances lane by lane with
// the branch-free parall, the same operations as parall, so the loop
// vectorises.
constexpr std::int32_t kLanes = 16;

float s11polosa(float q0, float c1, float c2, float l, float f_start, float step, std::int32_t n,
                float r_oe, float r_load) {
  std::int32_t count = 0;
  float f = f_start;
  for (std::int64_t i = 1; i <= n; i += kLanes) {
    const auto lanes = static_cast<std::int32_t>(std::min<std::int64_t>(kLanes, n - i + 1));
    std::array<float, kLanes> freq{};
    for (std::int32_t k = 0; k < kLanes; ++k) {
      freq[static_cast<std::size_t>(k)] = f;
      if (k < lanes) f += step;
    }
    std::array<cplx::Complex, kLanes> z_in;
    for (std::size_t k = 0; k < z_in.size(); ++k) {
      const pi_network::Branches b = pi_network::branches_at(freq[k], c1, c2, l, q0);
      z_in[k] = calculations::parall_select(
          calculations::parall_select({r_load, 0.0f}, b.z_c2) + b.z_l, b.z_c1);
    }
    for (std::int32_t k = 0; k < lanes; ++k) {
      if (below_level(z_in[static_cast<std::size_t>(k)], r_oe)) ++count;
    }
  }
  return static_cast<float>(count) * step * 0.001f;
}

}  // namespace polosa_s11
