#pragma once

// The coil calculator's texts in English.

#include "plan/texts/coil_text_fields.hpp"

namespace plan {

inline constexpr CoilTexts kEnglishCoilTexts{
    .coil_see_help = "the calculator's options and their ranges: valvenet-plan coil --help",
    .coil_help_title =
        "valvenet-plan coil - a single-layer air-core coil of copper wire: its\n"
        "inductance, loss, Q, self-capacitance and self-resonance at each frequency.",
    .coil_help_usage =
        "valvenet-plan coil --coil-diameter mm --wire mm --pitch mm --turns N --freq MHz... "
        "[--format table|csv|json] [--lang ru|en]",
    .coil_help_format =
        "output: table - a block per frequency (the default); csv - a row of names\n"
        "and a row per frequency; json - inputs and coils",
    .coil_help_footer =
        "The wire's resistance with the exact skin effect, the turns' proximity loss\n"
        "from the measured table (at developed skin effect), the self-capacitance and\n"
        "self-resonance of the coil as a helical line; the apparent Q is\n"
        "Q·(1−(f/f_srf)²). Not included: the leads, the coil form, turns beyond a\n"
        "tap and nearby metal, so the real Q is lower.\n"
        "\n"
        "Exit status: 0 when computed; 2 for bad arguments (nothing is computed); 1\n"
        "when the output cannot be written.",
    .coil_calc_heading = "Coil: diameter %1 mm, wire %2 mm, pitch %3 mm, %4 turns",
    .coil_calc_at = "At %1 MHz:",
    .coil_l = "Inductance",
    .coil_winding = "Winding length",
    .coil_wire_length = "Wire length",
    .coil_r_dc = "Wire resistance to direct current",
    .coil_r_ac = "Straight wire's resistance at f",
    .coil_phi = "Proximity factor of the turns",
    .coil_r = "Coil loss resistance",
    .coil_q = "Q",
    .coil_q_apparent = "Apparent Q at the terminals",
    .coil_c_self = "Self-capacitance",
    .coil_srf = "Self-resonance",
    .coil_near_resonance =
        "f above 0.8 of the self-resonance (%1 MHz): the formulas no longer hold, the coil "
        "is unusable here",
    .coil_skin_undeveloped = "skin effect not developed: the table overstates the proximity loss",
};

}  // namespace plan
