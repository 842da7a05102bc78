#pragma once

// The English labels of the results of the reports.

#include <array>
#include <string_view>

#include "printer/results.hpp"
#include "text/texts.hpp"

namespace plan {

// The English label of each result of the reports (the Russian ones are
// results::kLines'), by its key, in the same order.
struct EnglishLabel {
  std::string_view key;
  std::string_view label;
};
inline constexpr std::array<EnglishLabel, results::kLineCount> kEnglishResultLabels{{
    {"p_output", "Output power, W"},
    {"p_h1", "Power of the 1st harmonic in the tank, W"},
    {"p_supply", "Power drawn from the supply, W"},
    {"p_network_loss", "Power lost in the Pi-network, W"},
    {"p_anode", "Anode dissipation, W"},
    {"eff_network_pct", "Pi-network efficiency, %"},
    {"eff_anode_pct", "Anode circuit efficiency, %"},
    {"eff_total_pct", "Total efficiency, %"},
    {"i_peak_ma", "Current pulse, mA"},
    {"i_h1_ma", "1st harmonic current amplitude, mA"},
    {"i_dc_ma", "DC current, mA"},
    {"a0", "Pulse expansion coefficient, a0"},
    {"a1", "pulse expansion coefficient, a1"},
    {"a2", "pulse expansion coefficient, a2"},
    {"supply_utilisation", "Supply voltage utilisation"},
    {"filter_achieved_db", "2nd harmonic filtering, dB"},
    {"passband_khz", "Pass-band at -1 dB, kHz"},
    {"q_loaded", "Loaded Q of the tank"},
    {"q_critical", "Critical Q"},
    {"r_oe", "Pi-network input resistance (Roe), ohm"},
    {"c1_optimum_pf", "Optimum C1, pF"},
    {"c1_total_pf", "C1 of the Pi-network, total, pF"},
    {"c_hot_pf", "C of the hot capacitor, pF"},
    {"l_uh", "L of the Pi-network, uH"},
    {"c2_pf", "C2 of the Pi-network, pF"},
    {"q_c1_var", "Q in C1, var (with wiring and tube C)"},
    {"q_c2_var", "Q in C2, var"},
    {"q_l_var", "Q in L, var"},
    {"i_coil_a", "I in the tank coil, A (rms)"},
    {"i_c1_a", "I in C1, A (rms)"},
    {"i_c2_a", "I in C2, A (rms)"},
    {"u_in_rms", "U at the Pi-network input, V (rms)"},
    {"u_out_rms", "U at the Pi-network output, V (rms)"},
    {"p_h2_out_mw", "P of the 2nd harmonic at the output, mW"},
    {"s11_at_f", "S11, Pi-network input at f"},
    {"s22_at_f", "S22, Pi-network output at f"},
    {"s11_band_khz", "S11 band of the tank at 0.1, kHz"},
}};

// Every result has its English label, in the order of the description.
static_assert([] {
  const auto& lines = results::kLines<text::Encoding::utf8>;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].key != kEnglishResultLabels[i].key) return false;
  }
  return true;
}());

}  // namespace plan
