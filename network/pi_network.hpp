#pragma once

// The element impedances of the Pi-network at one frequency, shared by every
// network evaluation: lossless capacitors and a coil whose loss is a series
// resistance omega * L / Q0.

#include "network/cplx.hpp"

namespace pi_network {

struct Branches {
  cplx::Complex z_c1;  // anode-side capacitor, ohm
  cplx::Complex z_c2;  // load-side capacitor, ohm
  cplx::Complex z_l;   // coil with its loss, ohm
};

// f  : frequency, Hz, > 0
// c1 : total anode-side capacitance, F
// c2 : load-side capacitance, F
// l  : coil, H
// q0 : unloaded Q of the coil, > 0
inline Branches branches_at(float f, float c1, float c2, float l, float q0) {
  const float omega = 6.283185f * f;
  const float x_l = l * omega;
  return {{0.0f, -(1.0f / (c1 * omega))}, {0.0f, -(1.0f / (c2 * omega))}, {x_l / q0, x_l}};
}

}  // namespace pi_network
