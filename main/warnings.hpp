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

}  // namespace warnings
