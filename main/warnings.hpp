#pragma once

// Which warnings a finished design gives: decided once here, worded by the
// reports.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace stage {
struct StageResults;
}  // namespace stage

namespace warnings {

// In report order; the value is the index of the warning's text.
enum class Warning : std::uint8_t {
  network_efficiency_below_80,
  network_efficiency_below_85,
  network_efficiency_below_90,
  filtering_below_40,
  h2_power_above_50,
  total_efficiency_below_50,
  hot_capacitance,
};
inline constexpr std::size_t kWarningCount = 7;

// The warnings that hold for the results of a completed design, in report
// order: of the network efficiency warnings only the lowest threshold passed.
// results         : the 34 results in report units
// hot_cap_warning : 1 when the raise of the loaded Q was declined, else 0
std::vector<Warning> decide(const stage::StageResults& results, std::int32_t hot_cap_warning);

// What the warnings read from a design of any network, report units.
struct Measures {
  float eff_network_pct = 0.0f;     // %
  float filter_achieved_db = 0.0f;  // dB
  float p_output = 0.0f;            // W
  float p_h2_out_mw = 0.0f;         // mW
  float eff_total_pct = 0.0f;       // %
};
// r : the design's measures;  hot_cap_warning : as above
std::vector<Warning> decide_measures(const Measures& r, std::int32_t hot_cap_warning);

// The Pi-L's own rule: the L section's Q outside 1..10 (Rm below twice the
// load, or above 101 times it) makes a section that barely transforms, or
// one whose bandwidth and losses are those of a high-Q tank.
enum class LSectionQ : std::uint8_t { within, below_1, above_10 };
// q_l : the L section's Q, sqrt(Rm / Rload - 1), >= 0
LSectionQ l_section_q(double q_l);

}  // namespace warnings
