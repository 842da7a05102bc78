#pragma once

// Starting values shared by the plan program's tests.

#include "plan/stage_design.hpp"

namespace testing_support {

// A 400 W stage at 2500 V into 50 ohm, in the units the options take.
inline plan::TypedInputs example_plan_inputs() {
  plan::TypedInputs in;
  in.p_out = 400.0f;
  in.e_supply = 2500.0f;
  in.u_min = 250.0f;
  in.c_tube = 12.0f;
  in.c_var_min = 8.0f;
  in.r_load = 50.0f;
  in.filter_db = 45.0f;
  in.q_unloaded = 200.0f;
  in.cutoff_deg = 80.0f;
  in.tube_exponent = 1.5f;
  return in;
}

}  // namespace testing_support
