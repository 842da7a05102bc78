#pragma once

// The example stage the tests design again and again.

#include "main/starting_values.hpp"

namespace testing_support {

// A 400 W stage at 2500 V into 50 ohm, Q0 200, in the units the dialog and
// the command line take.
inline starting_values::TypedInputs example_plan_inputs() {
  starting_values::TypedInputs in;
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
