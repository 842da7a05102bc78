#include "plan/report/stage_design.hpp"

namespace plan {

Design design_at(const TypedInputs& typed, float f_mhz, bool raise_q) {
  Design d;
  d.f_mhz = f_mhz;
  d.record.start = starting_values::stage_inputs(typed, f_mhz);
  design::FixedAnswer answer(raise_q);
  d.outcome = design::run_design(d.record, answer);
  return d;
}

std::vector<Design> design_all(const TypedInputs& typed, const std::vector<float>& f_mhz,
                               bool raise_q) {
  std::vector<Design> designs;
  designs.reserve(f_mhz.size());
  for (const float f : f_mhz) designs.push_back(design_at(typed, f, raise_q));
  return designs;
}

void add_pi_l(std::vector<Design>& designs, float r_mid, bool raise_q) {
  for (Design& d : designs) {
    // A band refused for its coil's sake has no Q0 for the Pi-L either.
    if (d.coil_q && !d.coil_q->usable()) continue;
    d.pi_l = pi_l_column(d.record, d.completed(), r_mid, raise_q);
  }
}

}  // namespace plan
