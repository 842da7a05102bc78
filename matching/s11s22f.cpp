#include "matching/s11s22f.hpp"

#include "matching/s11module.hpp"
#include "network/calculations.hpp"
#include "network/pi_network.hpp"

namespace s11s22f {

Reflections fs11(float f, float q0, float r_oe, float r_load, float c1, float c2, float l) {
  const pi_network::Branches b = pi_network::branches_at(f, c1, c2, l, q0);
  Reflections r;
  const cplx::Complex z_out =
      calculations::parall(b.z_l + calculations::parall({r_oe, 0.0f}, b.z_c1), b.z_c2);
  r.s22 = s11module::swrsub(z_out, {r_load, 0.0f});
  const cplx::Complex z_in =
      calculations::parall(b.z_l + calculations::parall({r_load, 0.0f}, b.z_c2), b.z_c1);
  r.s11 = s11module::swrsub(z_in, {r_oe, 0.0f});
  return r;
}

}  // namespace s11s22f
