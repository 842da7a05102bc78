#include "plan/report/pi_l_column.hpp"

#include "main/design.hpp"

namespace plan {

PiLColumn pi_l_column(const stage::StageRecord& plain, bool plain_completed, float r_mid,
                      bool raise_q) {
  PiLColumn c;
  c.design = design::run_pi_l_design(plain.inputs, r_mid, raise_q);
  if (plain_completed) {
    const design::Discrimination pi = design::plain_pi_discrimination(plain);
    c.pi_h2_db = pi.h2_db;
    c.pi_h3_db = pi.h3_db;
  }
  return c;
}

}  // namespace plan
