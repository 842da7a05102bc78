#include "plan/pi_l_design.hpp"

#include <cmath>

#include "main/design.hpp"
#include "plan/stage_design.hpp"
#include "spectrum/spectrum.hpp"

namespace plan {

Discrimination plain_pi_discrimination(const stage::StageRecord& record) {
  const spectrum::Network n = design::final_network(record);
  const stage::StageResults& r = record.results;
  const float f = record.inputs.f_hz;
  Discrimination d;
  d.h2_db =
      spectrum::garmonica1(r.u_in_rms, n.c1, n.c2, n.l_coil, r.r_oe, n.r_load, f, n.q_unloaded)
          .network_h2_db;
  // garmonica1's generator: twice the anode voltage behind ten times R_oe.
  const float e_g = 2.0f * r.u_in_rms;
  const float r_g = 10.0f * r.r_oe;
  const cplx::Complex at_f = spectrum::solve(n, f, e_g, r_g).v_out;
  const cplx::Complex at_3f = spectrum::solve(n, 3.0f * f, e_g, r_g).v_out;
  d.h3_db = 20.0f * std::log10(cplx::modulus(at_f / at_3f));
  return d;
}

float anode_resistance_bound(const starting_values::TypedInputs& typed) {
  const stage::StageInputs in = starting_values::stage_inputs(typed, 1.0f);
  const float u = design::first_harmonic_u_rms(in);
  return u * u / in.p_out;
}

void add_pi_l(std::vector<Design>& designs, float r_mid, bool raise_q) {
  for (Design& d : designs) {
    PiLColumn c;
    c.design = design::run_pi_l_design(d.record.inputs, r_mid, raise_q);
    if (d.completed()) {
      const Discrimination pi = plain_pi_discrimination(d.record);
      c.pi_h2_db = pi.h2_db;
      c.pi_h3_db = pi.h3_db;
    }
    d.pi_l = c;
  }
}

}  // namespace plan
