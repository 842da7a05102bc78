#pragma once

// An independent solution of a Pi-L network (or a plain Pi, L2 = 0) for the
// tests: nodal analysis in double precision over its three nodes, coil
// losses omega L / Q0.

#include <array>
#include <complex>
#include <numbers>

#include "network/pi_l.hpp"

namespace testing_support {

using Complex = std::complex<double>;
using Matrix = std::array<std::array<Complex, 3>, 3>;

// Node voltages of the network: anode (0), middle (1), load (2), with a
// current i_in into the anode, a conductance g_source from it to ground and
// the load z_load at node 2. A network without L2 (l2_h = 0) is the plain
// Pi: the load sits at the middle node, and node 2 repeats its voltage.
inline std::array<Complex, 3> nodal(const pi_l::Network& n, double f, Complex i_in, double g_source,
                                    Complex z_load) {
  const double w = 2.0 * std::numbers::pi * f;
  const auto coil = [&](double l) { return 1.0 / Complex(w * l / n.q_unloaded, w * l); };
  const bool pi = n.l2_h == 0.0;
  const Complex y1 = coil(n.l1_h);
  const Complex y2 = pi ? Complex(0.0) : coil(n.l2_h);
  const Complex y_load = 1.0 / z_load;
  Matrix y{};
  y[0] = {Complex(g_source, w * n.c1_f) + y1, -y1, 0.0};
  y[1] = {-y1, y1 + Complex(0.0, w * n.c2_f) + (pi ? y_load : y2), -y2};
  y[2] = {0.0, -y2, pi ? Complex(1.0) : y2 + y_load};
  std::array<Complex, 3> b = {i_in, 0.0, 0.0};
  for (int p = 0; p < 3; ++p) {  // Gaussian elimination; the matrix is diagonally dominant
    for (int r = p + 1; r < 3; ++r) {
      const Complex m = y[r][p] / y[p][p];
      for (int c = p; c < 3; ++c) y[r][c] -= m * y[p][c];
      b[r] -= m * b[p];
    }
  }
  std::array<Complex, 3> v{};
  for (int r = 2; r >= 0; --r) {
    Complex s = b[r];
    for (int c = r + 1; c < 3; ++c) s -= y[r][c] * v[c];
    v[r] = s / y[r][r];
  }
  if (pi) v[2] = v[1];
  return v;
}

// The same with the network's own resistive load.
inline std::array<Complex, 3> nodal(const pi_l::Network& n, double f, Complex i_in,
                                    double g_source) {
  return nodal(n, f, i_in, g_source, Complex(n.r_load));
}

}  // namespace testing_support
