#pragma once

// The sheath helix's phase constant beta of one winding fitted over a range
// of frequencies, so that the frequency of a given beta, and with it any
// resonance of any turns count of that winding, costs a table look-up
// instead of choke::sheath_line's root (about 0.1 ms: some 50 Bessel
// evaluations). beta depends on the winding and f only, not on the turns.
//
// g(u) = ln(beta / f), u = ln f, is smooth and slowly varying (beta / k0
// rises from the slow wave's low-frequency value): a Chebyshev
// series in u fits it (about 5e-8 off over three decades), and ln f against
// ln beta is tabulated evenly from the series for linear interpolation.

#include <vector>

#include "parts/choke.hpp"
#include "parts/coil.hpp"

namespace helix_fit {

struct Fit {
  double u_low = 0.0;  // the range of the series, ln Hz
  double u_high = 0.0;
  std::vector<double> series;  // Chebyshev coefficients of g, ln(s/m) (the first doubled)
  std::vector<double> slope;   // of dg/du, the same way
  double t_low = 0.0;          // the table's first ln beta, ln(1/m)
  double t_step = 0.0;         // its step
  std::vector<double> table;   // ln f at t_low + j t_step
};

// The fit of winding g over [f_low, f_high], widened by 1 % at each end.
// g : a winding for which coil::check is Problem::none;  f_low_hz, f_high_hz : Hz, 0 < f_low_hz <
// f_high_hz
Fit fit(const coil::Geometry& g, double f_low_hz, double f_high_hz);

// The frequency, Hz, where beta is beta_per_m, from the table: within about
// 1e-7 relative inside the range, extrapolated beyond it.
// h : a fit;  beta_per_m : axial phase constant, 1/m, > 0
double frequency(const Fit& h, double beta_per_m);

// The frequency, Hz, where the electrical length of c is phase_rad: the
// table's estimate and one Newton step on choke::electrical_length, within
// about 1e-14 relative of its root.
// c : a valid choke of h's winding;  h : the fit;  phase_rad : rad, > 0, reached inside h's range
double exact_frequency(const choke::Choke& c, const Fit& h, double phase_rad);

}  // namespace helix_fit
