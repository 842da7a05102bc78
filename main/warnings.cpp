#include "main/warnings.hpp"

#include "main/stage_record.hpp"

namespace warnings {

namespace {

// Network efficiency, %: below each threshold the tank loses more of the
// first-harmonic power than a well-built network should.
constexpr float kNetworkEfficiency80Pct = 80.0f;
constexpr float kNetworkEfficiency85Pct = 85.0f;
constexpr float kNetworkEfficiency90Pct = 90.0f;
// dB: 2nd-harmonic suppression below 40 dB; 39.999 so that a value shown as
// 40.000 does not warn.
constexpr float kFilteringDb = 39.999f;
// W: below this output power the filtering warning is not given.
constexpr float kFilteringFromPowerW = 15.1f;
// mW: 2nd-harmonic power reaching the load.
constexpr float kH2PowerMw = 50.0f;
// %: total efficiency of the stage.
constexpr float kTotalEfficiencyPct = 50.0f;
// The L section's Q: below 1 it barely transforms, above 10 it is a high-Q
// tank of its own.
constexpr double kLowestLSectionQ = 1.0;
constexpr double kHighestLSectionQ = 10.0;

}  // namespace

std::vector<Warning> decide(const stage::StageResults& r, std::int32_t hot_cap_warning) {
  return decide_measures(
      Measures{r.eff_network_pct, r.filter_achieved_db, r.p_output, r.p_h2_out_mw, r.eff_total_pct},
      hot_cap_warning);
}

LSectionQ l_section_q(double q_l) {
  if (q_l < kLowestLSectionQ) return LSectionQ::below_1;
  if (q_l > kHighestLSectionQ) return LSectionQ::above_10;
  return LSectionQ::within;
}

std::vector<Warning> decide_measures(const Measures& r, std::int32_t hot_cap_warning) {
  std::vector<Warning> found;
  if (r.eff_network_pct < kNetworkEfficiency80Pct) {
    found.push_back(Warning::network_efficiency_below_80);
  } else if (r.eff_network_pct < kNetworkEfficiency85Pct) {
    found.push_back(Warning::network_efficiency_below_85);
  } else if (r.eff_network_pct < kNetworkEfficiency90Pct) {
    found.push_back(Warning::network_efficiency_below_90);
  }
  if (r.filter_achieved_db < kFilteringDb && r.p_output > kFilteringFromPowerW) {
    found.push_back(Warning::filtering_below_40);
  }
  if (r.p_h2_out_mw > kH2PowerMw) found.push_back(Warning::h2_power_above_50);
  if (r.eff_total_pct < kTotalEfficiencyPct) found.push_back(Warning::total_efficiency_below_50);
  if (hot_cap_warning != 0) found.push_back(Warning::hot_capacitance);
  return found;
}

}  // namespace warnings
