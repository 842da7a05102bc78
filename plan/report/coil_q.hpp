#pragma once

// --q0 coil: each band designed with its own coil's apparent Q as Q0. The
// design depends on Q0 (the critical-Q rule, the efficiency limit) and the
// coil's turns on the design's L, so design and coil are repeated until the
// turns settle.

#include <functional>
#include <string_view>
#include <vector>

#include "main/starting_values.hpp"
#include "parts/coil.hpp"
#include "plan/report/coil_q_status.hpp"
#include "plan/report/stage_design.hpp"

namespace plan {

// The turns have settled when a round moves them by less than this.
inline constexpr double kSettledTurns = 0.01;
// Rounds before a band is said not to settle.
inline constexpr int kCoilQRounds = 20;
// The first round's Q0, before any coil is known: the middle of the usual
// range of tank coils.
inline constexpr float kCoilQStart = 200.0f;

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

// The key of a status in CSV and JSON ("settled", "clamped", ...).
// s : any status
std::string_view coil_q_status_key(CoilQStatus s);

// design_with_coil_q for every frequency, in the order given; each design
// keeps its CoilQ.
// typed : the starting values, typed units;  f_mhz : MHz, each 0.1 <= f <= 60
// raise_q : the answer to the hot-capacitance question;  g : the winding (coil::check(g) none)
std::vector<Design> design_all_with_coil_q(const TypedInputs& typed,
                                           const std::vector<float>& f_mhz, bool raise_q,
                                           const coil::Geometry& g);

}  // namespace plan
