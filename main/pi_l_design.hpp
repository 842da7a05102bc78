#pragma once

// The stage design with a Pi-L tank: the stage up to the anode resistance as
// the Pi design has it, the Pi section's loaded Q raised by the same rules
// until the Pi-L's own discrimination meets the required suppression.

#include <cstdint>
#include <vector>

#include "main/stage_record.hpp"
#include "main/starting_values.hpp"
#include "main/warnings.hpp"
#include "network/pi_l.hpp"

namespace design {

enum class PiLOutcome {
  completed,
  refused_critical_q,  // the Pi section's critical Q above 0.7 Q0
  refused_r_mid,       // Rm not below the anode resistance of the design
  refused_pi_section,  // the Pi section has no usable elements at the loaded Q reached
};

// The results of a Pi-L design, report units (pF, uH, ohm, A, V, kHz, %, dB).
struct PiLResults {
  float c1_total_pf = 0.0f;  // C1 with the tube's capacitance
  float c_hot_pf = 0.0f;     // C1 less the tube's, 0 when the tube alone is more
  float l1_uh = 0.0f;
  float c2_pf = 0.0f;  // both sections' share at the middle node
  float l2_uh = 0.0f;
  float r_mid = 0.0f;        // ohm
  float r_oe = 0.0f;         // ohm
  float q_loaded = 0.0f;     // the Pi section's
  float q_critical = 0.0f;   // the Pi section's
  float q_l_section = 0.0f;  // sqrt(Rm / Rload - 1)
  float eff_network_pct = 0.0f;
  float eff_anode_pct = 0.0f;
  float eff_total_pct = 0.0f;
  float p_h1 = 0.0f;      // W
  float p_supply = 0.0f;  // W
  float filter_achieved_db = 0.0f;
  float p_h2_out_mw = 0.0f;
  float i_c1_a = 0.0f, u_c1_rms = 0.0f;
  float i_l1_a = 0.0f, u_l1_rms = 0.0f;
  float i_c2_a = 0.0f, u_mid_rms = 0.0f;  // C2's voltage is the one at Rm
  float i_l2_a = 0.0f, u_l2_rms = 0.0f;
  float u_load_rms = 0.0f;
  float passband_khz = 0.0f;  // -1 dB
  float s11_band_khz = 0.0f;  // |S11| below 0.1
  float s11_at_f = 0.0f;
  float h2_db = 0.0f;  // the network's discrimination between f and 2f
  float h3_db = 0.0f;  // between f and 3f
};

struct PiLDesign {
  PiLOutcome outcome = PiLOutcome::refused_r_mid;
  PiLResults results;     // all 0 when refused (r_mid, r_oe, q_critical as far as known)
  pi_l::Network net;      // the final network, SI units
  float u_in_rms = 0.0f;  // V rms
  std::int32_t hot_cap_warning = 0;
  std::vector<warnings::Warning> warnings;
  warnings::LSectionQ l_section_q = warnings::LSectionQ::within;

  bool completed() const { return outcome == PiLOutcome::completed; }
};

// The upper bound of the anode resistance of any design from these starting
// values, ohm: U^2 / P, the anode resistance of a lossless network. Rm must
// lie below it.
// typed : the starting values, typed units, within the dialog's ranges
float anode_resistance_bound(const starting_values::TypedInputs& typed);

// The Pi-L design for the starting values in, with the hot-capacitance
// question answered by raise_q.
// in    : starting values, SI units, within the dialog's ranges
// r_mid : intermediate resistance, ohm, in.r_load < r_mid
// raise_q : true to raise the loaded Q when C1 leaves the variable capacitor less than its minimum
PiLDesign run_pi_l_design(const stage::StageInputs& in, float r_mid, bool raise_q);

}  // namespace design
