#include "matching/polosa_s11.hpp"

#include "matching/s11module.hpp"
#include "network/calculations.hpp"
#include "network/pi_network.hpp"

namespace polosa_s11 {

float s11polosa(float q0, float c1, float c2, float l, float f_start, float step, std::int32_t n,
                float r_oe, float r_load) {
  std::int32_t count = 0;
  float f = f_start;
  for (std::int32_t i = 1; i <= n; ++i) {
    const pi_network::Branches b = pi_network::branches_at(f, c1, c2, l, q0);
    const cplx::Complex z_in =
        calculations::parall(calculations::parall({r_load, 0.0f}, b.z_c2) + b.z_l, b.z_c1);
    if (s11module::swrsub(z_in, {r_oe, 0.0f}) < 0.1f) ++count;
    f += step;
  }
  return static_cast<float>(count) * step * 0.001f;
}

}  // namespace polosa_s11
