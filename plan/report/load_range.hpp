#pragma once

// The tank against a real antenna at one frequency: every load of an SWR
// circle re-tuned with the band's coil, in report units, and what the
// band's capacitors and coil must reach and hold over those loads.

#include <optional>
#include <vector>

#include "matching/retune.hpp"
#include "parts/tuning.hpp"

namespace plan {

// One load of the circle, report units; the values of an unmatched load are
// NaN (null in JSON).
struct LoadPoint {
  double r_ohm = 0.0;  // the load's resistance, ohm
  double x_ohm = 0.0;  // its reactance, ohm
  retune::Reason reason = retune::Reason::matched;
  std::optional<double> l_needed_uh;  // unmatched: the inductance that would match, uH
  double c1_total_pf = 0.0;           // C1 with the tube's
  double c_hot_pf = 0.0;              // C1 less the tube's
  double c2_pf = 0.0;
  double p_output_w = 0.0;
  double eff_network_pct = 0.0;
  double i_l_a = 0.0;   // L (the Pi-L's L1), RMS
  double i_l2_a = 0.0;  // the Pi-L's L2, RMS (0 for the plain Pi)
  double i_c1_a = 0.0;
  double i_c2_a = 0.0;
  double u_c2_peak_v = 0.0;    // across C2 (the Pi-L's middle node)
  double u_load_peak_v = 0.0;  // across the load
  double h2_db = 0.0;          // the re-tuned network's 2nd-harmonic suppression
  double filter_db = 0.0;      // the stage's filtering from it

  bool matched() const { return reason == retune::Reason::matched; }
};

// The extreme of a value over the matched loads and the load (its index on
// the circle, 0 = S R0) where it occurs: the first such load when several
// give the same value; NaN and -1 when no load is matched.
struct Extreme {
  double value = 0.0;
  int load = -1;
};

// The variable capacitors of --c1-max and --c2-range, pF: C1's variable
// supplies the hot capacitance, C2's the whole of C2.
struct Variables {
  double c1_min_pf = 0.0, c1_max_pf = 0.0;
  double c2_min_pf = 0.0, c2_max_pf = 0.0;
  double c1_nominal_padder_pf = 0.0;  // the design's own padders, used where no
  double c2_nominal_padder_pf = 0.0;  // one padder covers every matched load
};

// The padders chosen for the circle and the loads the variables then reach.
struct LoadRangeTuning {
  tuning::Cover c1, c2;       // the cover of the matched loads' needs
  double c1_padder_pf = 0.0;  // the cover's where it covers, else the nominal one
  double c2_padder_pf = 0.0;
  int reachable_count = 0;  // matched loads both variables reach with these padders
};

struct LoadRange {
  double swr = 0.0;
  std::vector<LoadPoint> points;  // retune::kLoadCount, in the order of the circle
  int matched_count = 0;
  Extreme c_hot_pf_min, c_hot_pf_max, c2_pf_min, c2_pf_max;
  Extreme i_l_a_max, i_l2_a_max, i_c1_a_max, i_c2_a_max;
  Extreme u_c2_peak_v_max, u_load_peak_v_max;
  Extreme eff_network_pct_min, filter_db_min;
  double c2_rating_v = 0.0;    // the largest C2 peak times the margin, V (NaN: none matched)
  int below_filter_count = 0;  // matched loads whose filtering falls below the requirement
  std::optional<LoadRangeTuning> tuning;  // with the variables
};

// What the circle is re-tuned against.
struct LoadRangeAsk {
  double swr = 0.0;        // retune::kSwrAbove < swr <= retune::kSwrMax
  double filter_db = 0.0;  // the required suppression, dB
  double margin = 0.0;     // the capacitors' voltage margin, ratings::kMarginMin..kMarginMax
  std::optional<Variables> variables;
};

// stage : a completed design's tank and drive (retune::from_pi_record / from_pi_l_design)
// ask   : the SWR, the requirement, the margin and the variables
LoadRange load_range(const retune::Stage& stage, const LoadRangeAsk& ask);

}  // namespace plan
