#pragma once

// How a band designed with its coil's own Q (--q0 coil) came to its Q0:
// kept with the band's design, so that every writer can say it.

#include "parts/coil.hpp"

namespace plan {

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

}  // namespace plan
