#pragma once

// The stage design of the console programs, run for one frequency from
// starting values given as the dialog takes them (typed units).

#include <optional>
#include <vector>

#include "main/design.hpp"
#include "main/stage_record.hpp"
#include "main/starting_values.hpp"
#include "plan/report/coil_q_status.hpp"
#include "plan/report/pi_l_column.hpp"

namespace plan {

// The ten starting values that do not depend on the frequency, typed units.
using TypedInputs = starting_values::TypedInputs;

// One calculation of the plan.
struct Design {
  float f_mhz = 0.0f;  // the frequency as given, MHz
  design::Outcome outcome = design::Outcome::refused_critical_q;
  stage::StageRecord record;      // results and pulse coefficients all 0 when refused
  std::optional<PiLColumn> pi_l;  // with --network pi-l
  std::optional<CoilQ> coil_q;    // with --q0 coil: how its Q0 was found

  // A band refused for its coil's sake (--q0 coil) counts as refused.
  bool completed() const {
    return outcome == design::Outcome::completed && (!coil_q || coil_q->usable());
  }
};

// Runs the stage design procedure of the console programs once, with the
// hot-capacitance question answered by raise_q (true: raise the loaded Q).
Design design_at(const TypedInputs& typed, float f_mhz, bool raise_q);

// design_at for every frequency, in the order given.
std::vector<Design> design_all(const TypedInputs& typed, const std::vector<float>& f_mhz,
                               bool raise_q);

// Adds the Pi-L column to every design, in place (none to a band refused
// for its coil's sake).
// designs : the plain Pi designs, their starting values taken from each record
// r_mid : ohm, above the load resistance;  raise_q : the answer to the hot-capacitance question
void add_pi_l(std::vector<Design>& designs, float r_mid, bool raise_q);

}  // namespace plan
