#pragma once

// Starting values shared by the plan program's tests.

#include <array>
#include <bit>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "example_stage.hpp"
#include "plan/cli/app.hpp"
#include "plan/report/stage_design.hpp"

namespace testing_support {

// The CSV and JSON keys of the 34 results in record order: files written by
// valvenet-plan are read by these names.
inline constexpr std::array<std::string_view, 34> kResultNames{
    "p_output",
    "p_h1",
    "p_supply",
    "p_network_loss",
    "p_anode",
    "eff_network_pct",
    "eff_anode_pct",
    "eff_total_pct",
    "i_peak_ma",
    "i_h1_ma",
    "i_dc_ma",
    "supply_utilisation",
    "filter_achieved_db",
    "passband_khz",
    "q_loaded",
    "q_critical",
    "r_oe",
    "c1_optimum_pf",
    "c1_total_pf",
    "c_hot_pf",
    "l_uh",
    "c2_pf",
    "q_c1_var",
    "q_c2_var",
    "q_l_var",
    "i_coil_a",
    "i_c1_a",
    "i_c2_a",
    "u_in_rms",
    "u_out_rms",
    "p_h2_out_mw",
    "s11_at_f",
    "s22_at_f",
    "s11_band_khz",
};

// The 34 results in record order.
inline std::array<float, 34> result_values(const stage::StageResults& results) {
  return std::bit_cast<std::array<float, 34>>(results);
}

// The example stage's starting values as typed on the command line (400 W,
// 2500 V, 50 ohm, as example_plan_inputs), then `more`.
inline std::vector<std::string> example_args(const std::vector<std::string>& more = {}) {
  std::vector<std::string> a{"--p-out", "400",        "--e-supply", "2500",        "--r-load",
                             "50",      "--exponent", "1.5",        "--angle",     "80",
                             "--q0",    "200",        "--u-min",    "250",         "--filter-db",
                             "45",      "--c-tube",   "12",         "--c-var-min", "8"};
  a.insert(a.end(), more.begin(), more.end());
  return a;
}

// What one in-process run of valvenet-plan gave.
struct PlanRun {
  int status;
  std::string out;
  std::string err;
};

// args : the arguments after the program name
inline PlanRun run_plan(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = plan::run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace testing_support
