#pragma once

// The anode's RF choke in shunt feed: a single-layer winding seen as a
// helical transmission line shorted at its cold (bypassed) end. Its
// impedance at the anode, its parallel and series resonances, and a
// calibration of the line's electrical length by one measured series
// resonance. SI units throughout.
//
// Model: the sheath helix, n = 0 mode (Corum & Corum, 2001): pitch angle
// psi = atan(p / (pi D)), k0 = 2 pi f / c0, tau > 0 the root of
//   k0^2 I1(tau a) K1(tau a) / (I0(tau a) K0(tau a)) = tau^2 tan^2 psi,  a = D / 2,
// beta = sqrt(k0^2 + tau^2), Zc = 60 (beta / k0) I0(tau a) K0(tau a) ohm.
// The line's input reactance Zc tan(beta l), l = N p, is scaled by
// L / L_sheet (L the coil's quasi-static inductance, Nagaoka with Rosa's
// corrections; L_sheet = mu0 pi a^2 N^2 / l, the long current sheet's) so
// that at low frequency X / omega comes near L (above it by 7e-4 from the
// 60 ohm, and by the helix's axial current, 2 tan^2(psi) I0 K0: 5e-4 for a
// close-wound choke, 5e-3 at p / D = 0.06); the loss R is the coil's
// (coil_loss::evaluate).
//
// Not modelled: the leads, the capacitance to the chassis and the tank's at
// the hot end (both lower every resonance: calibrate by a measured one), end
// effects of a short winding, a coil form, and the line's own loss in its
// phase constant. Against measured Tesla-coil secondaries the model puts the
// lambda/4 mode 13-14 % high and the higher modes 4-6 % high.

#include <complex>
#include <vector>

#include "parts/coil.hpp"

namespace choke {

// The choke: a winding, its turns and the calibration of its electrical
// length (1: the model's own; see length_scale). With a scale s the line is
// s times longer electrically at the same inductance: beta l becomes
// s beta l and Zc becomes Zc / s, as extra capacitance along the winding
// would make it, so that X / omega still comes to L at low frequency.
struct Choke {
  coil::Geometry g;           // the winding, metres
  double turns = 0.0;         // coil::kMinTurns <= turns <= coil::kMaxTurns (fractional allowed)
  double length_scale = 1.0;  // s > 0
};

// The sheath helix at one frequency; depends on D, p and f only.
struct Line {
  double tau_per_m = 0.0;        // radial constant tau, 1/m
  double beta_per_m = 0.0;       // axial phase constant beta, rad/m
  double velocity_factor = 0.0;  // k0 / beta, the axial phase velocity over c0
  double zc_ohm = 0.0;           // characteristic impedance, ohm
};

// The line of the winding g at f; every member NaN when coil::check(g) finds
// a problem or f is not a positive finite number. tau within about 1e-13
// relative (the Bessel functions' accuracy; the root is bisected to 1e-15).
// g : the winding, metres;  f_hz : frequency, Hz, > 0 (chokes: 1e5 <= f <= 6e7)
Line sheath_line(const coil::Geometry& g, double f_hz);

// The electrical length s beta l of the choke at f, rad; NaN for an invalid
// choke (see Choke) or f.
// c : the choke;  f_hz : frequency, Hz, > 0
double electrical_length(const Choke& c, double f_hz);

// The line's own input reactance (Zc / s) tan(s beta l), ohm, without the
// low-frequency correction: infinite-valued at a parallel resonance, 0 at a
// series one.
// c : the choke;  f_hz : frequency, Hz, > 0
double line_reactance(const Choke& c, double f_hz);

// The choke's reactance X = line_reactance * L / L_sheet, ohm: > 0 inductive,
// < 0 capacitive.
// c : the choke;  f_hz : frequency, Hz, > 0
double reactance(const Choke& c, double f_hz);

// Z = R + jX at the anode, ohm, R the coil's loss resistance at f.
// c : the choke;  f_hz : frequency, Hz, > 0
std::complex<double> impedance(const Choke& c, double f_hz);

// The range resonances() looks in by default: the bands a tank covers.
constexpr double kLowestHz = 1e5;
constexpr double kHighestHz = 6e7;
// A resonance is bisected until its bracket is narrower than this share of
// it: far inside the 1e-6 a choke's resonance is ever wanted to, and still
// above the noise of beta (about 1e-13).
constexpr double kResonanceTolerance = 1e-10;

// The resonances in a range, lowest first: parallel at s beta l = (2k + 1) pi / 2
// (an open at the anode, harmless), series at s beta l = k pi, k >= 1 (a
// short at the anode: keep them off every band).
struct Resonances {
  std::vector<double> parallel_hz;
  std::vector<double> series_hz;
};

// Empty lists for an invalid choke or range.
// c : the choke;  f_low_hz, f_high_hz : the range, Hz, 0 < f_low_hz < f_high_hz
Resonances resonances(const Choke& c, double f_low_hz = kLowestHz, double f_high_hz = kHighestHz);

// The length scale s that puts the first series resonance at a measured
// one: s beta(F) l = pi with the model's own beta (c.length_scale is not
// used); NaN for an invalid choke or F.
// c : the choke;  first_series_hz : measured first series resonance F, Hz, > 0
double length_scale(const Choke& c, double first_series_hz);

// The winding's resistance to direct current, ohm (the wire's length as
// coil::winding gives it).
// c : the choke (its turns >= 0)
double dc_resistance(const Choke& c);

}  // namespace choke
