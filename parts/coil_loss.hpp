#pragma once

// The real coil: the loss, the Q, the self-capacitance and the
// self-resonance of a single-layer air-core coil of round copper wire at one
// frequency, for the winding of coil::Geometry. SI units throughout.
//
// Model:
// - the wire's resistance at f is that of the same wire straight, from the
//   exact skin-effect ratio of a solid round conductor;
// - the turns' proximity raises it by Medhurst's measured factor, tabulated
//   against l/D and p/d at fully developed skin effect;
// - the self-capacitance is Knight's fit, the self-resonance Knight's
//   helical-transmission-line method;
// - near its self-resonance the coil shows the apparent Q of a coil in
//   parallel with its self-capacitance, Q (1 - (f / f_srf)^2).
//
// Not modelled: the turns beyond a tap, the leads, the coil form's loss,
// nearby metal, and the temperature of the copper (20 C).

#include <vector>

#include "parts/coil.hpp"

namespace coil_loss {

// Resistivity of annealed copper at 20 C, ohm m: the IACS definition.
constexpr double kRhoCopper = 1.7241e-8;

// Relative permittivities inside the coil (the former) and outside it;
// an air coil has both 1.
struct Dielectric {
  double inside = 1.0;
  double outside = 1.0;
};

// Skin depth in copper, m.
// f_hz : frequency, Hz, > 0
double skin_depth(double f_hz);

// Resistance of a round copper wire to direct current, ohm.
// length_m : wire length, m, >= 0;  wire_m : wire diameter, m, > 0
double dc_resistance(double length_m, double wire_m);

// The exact R_ac / R_dc of a straight solid round wire, with q = sqrt(2) a / delta
// (a the wire's radius, delta the skin depth): skin_ratio_series below
// kSeriesLimitQ, skin_ratio_asymptotic from there on.
// q : sqrt(2) * radius / skin depth, >= 0
double skin_ratio(double q);

// Where skin_ratio changes from the Kelvin functions' power series to the
// asymptotic form. The series' cancellation costs them 1e-12 at q = 40,
// 1e-9 at 60 and 1e-8 at 70; the asymptotic form is off by 0.57 / q^4
// (2e-7 at 40, 4e-8 at 60, 2e-8 at 70). Near 60 both are good to 4e-8 and
// the step between them is no larger.
constexpr double kSeriesLimitQ = 60.0;

// The exact ratio from ber, bei, ber' and bei' by their power series.
// q : sqrt(2) * radius / skin depth, 0 <= q <= kSeriesLimitQ (beyond, the series lose digits fast)
double skin_ratio_series(double q);

// The asymptotic form a / (2 delta) + 1/4 + 3 delta / (32 a) of the ratio.
// q : sqrt(2) * radius / skin depth, > 0 (better than 1e-4 for q >= 15)
double skin_ratio_asymptotic(double q);

// Medhurst's factor by which the turns' proximity raises the coil's
// resistance over that of the wire straight, interpolated bilinearly in his
// table; outside it, its edge values. Between finite nodes the
// interpolation is linear in l/D and p/d; from the last finite row and column
// (10) to the infinite ones it is linear in D/l and d/p, which are 0 there, so
// the infinite coil and the infinitely spaced turns are reached in the limit.
// Every node of the table is returned exactly.
// length_over_diameter : l / D, >= 0 (infinity allowed);  pitch_over_wire : p / d, >= 1
double proximity_factor(double length_over_diameter, double pitch_over_wire);

// The share of the turns that sees the proximity loss: (N - 1) / N from two
// turns on, 1 for one turn, 1 / N between (the resistance of one turn, so
// that the coil's resistance never falls as turns are added).
// turns : number of turns, >= 1
double turns_factor(double turns);

// Knight's self-capacitance of the coil, F.
// turns : number of turns, coil::kMinTurns <= turns <= coil::kMaxTurns
// g     : a winding for which coil::check(g) is Problem::none;  e : permittivities, each >= 1
double self_capacitance(double turns, const coil::Geometry& g, Dielectric e = {});

// The modified Bessel functions of orders 0 and 1, scaled so that none
// overflows: e^-x I0(x), e^-x I1(x), e^x K0(x), e^x K1(x); within 1e-13 relative.
struct ScaledBessel {
  double i0 = 0.0;
  double i1 = 0.0;
  double k0 = 0.0;
  double k1 = 0.0;
};
// At x = 0 the limits (1, 0, +inf, +inf); below 0 or NaN, NaN throughout.
// x : argument, >= 0
ScaledBessel modified_bessel(double x);

// Knight's velocity factor of the coil as a helical line: the speed of the
// wave along the wire over c. The wave runs along the axis, so for a long
// coil the factor exceeds 1 (1.39 at l/D = 4.3).
// length_over_diameter : l / D, > 0;  e : permittivities, each >= 1
double velocity_factor(double length_over_diameter, Dielectric e = {});

// Self-resonant frequency, Hz, by Knight's method: half a wavelength along
// the wire at the velocity factor.
// turns : number of turns, coil::kMinTurns <= turns <= coil::kMaxTurns
// g     : a winding for which coil::check(g) is Problem::none;  e : permittivities, each >= 1
double self_resonance(double turns, const coil::Geometry& g, Dielectric e = {});

// Above this share of the self-resonant frequency the apparent-Q model no
// longer holds and the coil is no inductor to tune with (Hartshorn).
constexpr double kUsableShareOfResonance = 0.8;
// Below this q = sqrt(2) a / delta the skin effect is only partly
// developed and Medhurst's factor, measured with it fully developed,
// overstates the proximity loss.
constexpr double kDevelopedSkinQ = 5.0;

// Everything about one coil at one frequency.
struct Values {
  double inductance_h = 0.0;      // L: Nagaoka with Rosa's corrections, H
  double winding_m = 0.0;         // winding length, turns * pitch, m
  double wire_length_m = 0.0;     // conductor length, m
  double r_dc_ohm = 0.0;          // the wire's resistance to direct current, ohm
  double r_ac_ohm = 0.0;          // the same wire straight at f, ohm
  double phi = 0.0;               // Medhurst's proximity factor
  double r_ohm = 0.0;             // the coil's loss resistance at f, ohm
  double q = 0.0;                 // unloaded Q, 2 pi f L / R
  double q_apparent = 0.0;        // Q at the terminals, Q (1 - (f / f_srf)^2); <= 0 from f_srf on
  double c_self_f = 0.0;          // self-capacitance, F
  double srf_hz = 0.0;            // self-resonant frequency, Hz
  bool near_resonance = false;    // f > kUsableShareOfResonance * f_srf: unusable
  bool skin_undeveloped = false;  // q < kDevelopedSkinQ: R and Q from the table too pessimistic
};

// The coil of `turns` turns of the winding at f.
// turns : number of turns, coil::kMinTurns <= turns <= coil::kMaxTurns
// g     : a winding for which coil::check(g) is Problem::none
// f_hz  : working frequency, Hz, > 0 (tank coils: 1e5 <= f <= 6e7)
// e     : permittivities inside and outside the coil, each >= 1 (air: both 1)
Values evaluate(double turns, const coil::Geometry& g, double f_hz, Dielectric e = {});

// A harmonic of the working frequency this close to a self-resonance, as a
// share of it, couples into the coil's own resonance: the tank misbehaves there.
constexpr double kNearResonanceShare = 0.1;
// The harmonics looked at: f, 2f and 3f, the ones a tank still carries.
constexpr int kHarmonicsChecked = 3;

// The harmonics h (1 <= h <= kHarmonicsChecked) whose h f lies within
// kNearResonanceShare of srf_hz, lowest first.
// f_hz : working frequency, Hz, > 0;  srf_hz : a self-resonant frequency, Hz, > 0
std::vector<int> harmonics_near(double f_hz, double srf_hz);

}  // namespace coil_loss
