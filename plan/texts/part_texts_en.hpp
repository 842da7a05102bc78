#pragma once

// The parts' row labels in English.

#include "plan/texts/part_text_fields.hpp"

namespace plan {

inline constexpr PartTexts kEnglishPartTexts{
    .c1_peak_v = "Peak U across C1, V",
    .c1_rating_v = "C1 voltage rating, V",
    .c2_peak_v = "Peak U across C2, V",
    .c2_rating_v = "C2 voltage rating, V",
    .blocking_rating_v = "Blocking C voltage rating, V",
    .coil_turns = "Coil turns",
    .coil_length_mm = "Winding length, mm",
    .coil_conductor_m = "Conductor length, m",
    .c1_setting_pf = "C1 variable set to, pF",
    .c1_padder_pf = "Padder across C1, pF",
    .c2_setting_pf = "C2 variable set to, pF",
    .c2_padder_pf = "Padder across C2, pF",
    .l2_coil_turns = "L2 coil turns",
    .l2_coil_length_mm = "L2 winding length, mm",
    .l2_coil_conductor_m = "L2 conductor length, m",
    .coil_q = "Coil Q",
    .coil_q_apparent = "Coil apparent Q",
    .coil_r_ohm = "Coil loss resistance, ohm",
    .coil_c_self_pf = "Coil self-capacitance, pF",
    .coil_srf_mhz = "Coil self-resonance, MHz",
    .l2_coil_q = "L2 coil Q",
    .l2_coil_q_apparent = "L2 coil apparent Q",
    .l2_coil_r_ohm = "L2 coil loss resistance, ohm",
    .l2_coil_c_self_pf = "L2 coil self-capacitance, pF",
    .l2_coil_srf_mhz = "L2 coil self-resonance, MHz",
    .coil_eff_network_pct = "Network efficiency with this coil, %",
};

}  // namespace plan
