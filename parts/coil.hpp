#pragma once

// The coil to wind: a single-layer air-core solenoid of round wire, its
// inductance from the number of turns and the number of turns for an
// inductance, and one tapped coil that serves several bands.
//
// Model: the current sheet of Nagaoka's coefficient, less Rosa's corrections
// for round wire (the self-inductance of a turn, ks, and the mutual
// inductance of the turns, km), SI units throughout.
//
// Not modelled: the turns beyond a tap (shorted or open, they detune and
// load the used part), the leads and the tap connections, the material of
// the coil form, the coil's self-capacitance and self-resonance, the skin
// and proximity effects on the inductance, and any metal near the coil.

#include <cstddef>
#include <optional>
#include <vector>

namespace coil {

// The winding: every length in metres.
struct Geometry {
  double diameter_m = 0.0;  // diameter to the conductor's centre
  double pitch_m = 0.0;     // turn spacing, centre to centre
  double wire_m = 0.0;      // conductor diameter
};

// Why a coil cannot be given; none when it can.
enum class Problem {
  none,
  diameter_not_positive,      // the coil diameter is 0 or below (or not a number)
  wire_not_positive,          // the conductor diameter is 0 or below (or not a number)
  pitch_below_wire,           // the turns would overlap: pitch < wire
  wire_not_below_diameter,    // the conductor is as thick as the coil
  inductance_not_positive,    // the inductance asked for is 0 or below (or not a number)
  inductance_below_one_turn,  // less than one turn of this winding gives
  inductance_above_limit,     // more than kMaxTurns turns would be needed
};

// Fewest turns the model is used for: Rosa's mutual correction is the
// series of a whole number of turns >= 1, and below one turn it is no coil.
constexpr double kMinTurns = 1.0;
// Most turns the solver looks at: far beyond any tank coil, so an
// inductance needing more is an error in the input, not a coil.
constexpr double kMaxTurns = 10000.0;

// Nagaoka's coefficient of a current sheet, from the complete elliptic
// integrals; 1 for an infinitely long coil, towards 0 for a flat one.
// diameter_over_length : D / l, > 0; within 1e-8 of the exact value for 1e-4 <= D / l <= 1e4
double nagaoka(double diameter_over_length);

// Rosa's correction for the self-inductance of round wire, ks = 5/4 - ln(2p/d).
// pitch_m : turn spacing, m, >= wire_m;  wire_m : conductor diameter, m, > 0
double rosa_self(double pitch_m, double wire_m);

// Rosa's correction for the mutual inductance of the turns, km (0 at one turn,
// towards ln(2 pi) - 3/2 for many).
// turns : number of turns, >= 1
double rosa_mutual(double turns);

// Inductance, H, of `turns` turns of the winding (length turns * pitch).
// turns : number of turns, kMinTurns <= turns <= kMaxTurns
// g     : a winding for which check(g) is Problem::none
double inductance(double turns, const Geometry& g);

// Problem::none when the winding is a coil the model can describe.
// g : the winding, metres
Problem check(const Geometry& g);

// The coil of one inductance.
struct Winding {
  double turns = 0.0;        // number of turns (fractional: the last turn in part)
  double length_m = 0.0;     // winding length, turns * pitch, m
  double conductor_m = 0.0;  // conductor length, turns * sqrt((pi D)^2 + p^2), m
};

// Winding length and conductor length of `turns` turns.
// turns : number of turns, >= 0;  g : the winding, metres
Winding winding(double turns, const Geometry& g);

// The turns whose inductance is inductance_h, or the reason there are none.
struct Solved {
  std::optional<Winding> coil;  // present when problem is none
  Problem problem = Problem::none;
};

// Turns for an inductance, to a relative error in the turns below 1e-10.
// inductance_h : the inductance asked for, H, > 0
// g            : the winding, metres
Solved solve(double inductance_h, const Geometry& g);

// One coil for several bands: wound for the largest inductance; each band
// uses the turns from the C1 end to its tap.
struct Tapped {
  std::optional<Winding> coil;  // the whole coil, present when problem is none
  std::vector<double> taps;     // turns from the C1 end, one per band in the given order
  Problem problem = Problem::none;
  std::size_t band = 0;  // index of the band whose inductance raised the problem
};

// inductances_h : each band's inductance, H, each > 0, at least one
// g             : the winding, metres
Tapped tapped(const std::vector<double>& inductances_h, const Geometry& g);

}  // namespace coil
