#pragma once

// --q0 coil: each band designed with its own coil's apparent Q as Q0. The
// design depends on Q0 (the critical-Q rule, the efficiency limit) and the
// coil's turns on the design's L, so design and coil are repeated until the
// turns settle.

#include <functional>

#include "main/starting_values.hpp"
#include "parts/coil.hpp"
#include "plan/stage_design.hpp"

namespace plan {

// The turns have settled when a round moves them by less than this.
inline constexpr double kSettledTurns = 0.01;
// Rounds before a band is said not to settle.
inline constexpr int kCoilQRounds = 20;
// The first round's Q0, before any coil is known: the middle of the usual
// range of tank coils.
inline constexpr float kCoilQStart = 200.0f;

// How the coil's Q reached the design.
enum class CoilQStatus {
  settled,      // the turns settled; the coil's Q was used as it is
  clamped,      // settled, with the coil's Q above the dialog's limit used as that limit
  not_settled,  // kCoilQRounds rounds did not settle the turns: the last round is shown
  q_too_low,    // the coil's Q lies below the dialog's lowest Q0: the band is refused
  no_coil,      // the design's L cannot be wound with this winding
  refused,      // the design itself was refused (the critical-Q rule)
};

struct CoilQ {
  CoilQStatus status = CoilQStatus::settled;
  float q0_used = 0.0f;  // the Q0 the shown design was made with
  double coil_q = 0.0;   // the coil's apparent Q at the last turns (before any limit)
  int rounds = 0;        // designs made
  double turns = 0.0;    // the last round's turns
  coil::Problem problem = coil::Problem::none;  // with no_coil

  // False when the band is refused for the coil's sake (its row says why).
  bool usable() const { return status != CoilQStatus::q_too_low && status != CoilQStatus::no_coil; }
};

// The coil's apparent Q at f for a number of turns of the winding.
// turns : coil::kMinTurns <= turns <= coil::kMaxTurns;  f_hz : Hz, 1e5 <= f <= 6e7
using CoilQOf = std::function<double(double turns, double f_hz)>;

// The apparent Q of the winding's coil by the parts physics.
// g : a winding for which coil::check(g) is Problem::none
CoilQOf coil_q_of(const coil::Geometry& g);

struct CoilQDesign {
  Design design;
  CoilQ coil_q;
};

// typed : the starting values, typed units (q_unloaded is not used)
// f_mhz : MHz, 0.1 <= f <= 60;  raise_q : the answer to the hot-capacitance question
// g : the winding;  q_of : the coil's apparent Q (coil_q_of(g), or a stand-in in tests)
CoilQDesign design_with_coil_q(TypedInputs typed, float f_mhz, bool raise_q,
                               const coil::Geometry& g, const CoilQOf& q_of);

}  // namespace plan
