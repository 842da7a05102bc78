#pragma once

// The drawings' texts in English.

#include "plan/texts/chart_text_fields.hpp"

namespace plan {

inline constexpr ChartTexts kEnglishChartTexts{
    .plot_network_at = "Pi-network at %1 MHz",
    .plot_title = "%1: response and |S11| from 0.5 f to 3.5 f",
    .plot_refused = "Design refused: %1 (above 0.7 Q0).",
    .plot_no_curves = "No plot: such a stage has no Pi-network designed.",
    .plot_elements =
        "C1 = %1 pF,  L = %2 uH,  C2 = %3 pF,  QL = %4,  Q0 = %5,  Roe = %6 ohm,  "
        "Rload = %7 ohm",
    .plot_response_panel = "Response: |Uout| relative to its peak, dB",
    .plot_db = "dB",
    .plot_s11_panel = "|S11| at the Pi-network's input (relative to Roe)",
    .plot_frequency_axis = "Frequency, MHz",
    .plot_mark = "%1 = %2 MHz",
    .plot_level = "level %1 dB",
    .plot_suppression = "suppression %1 dB",
    .plot_response_legend = "Response, dB relative to the peak",
    .plot_band_1db = "-1 dB on the curve: %1",
    .plot_band_1db_none = "-1 dB on the curve: none",
    .plot_s11_legend = "|S11| relative to Roe",
    .plot_band_s11 = "|S11| < 0.1 on the curve: %1",
    .plot_band_s11_none = "|S11| < 0.1 on the curve: nowhere",
    .plot_band = "%1...%2 MHz (%3 kHz)",
    .plot_generator = "Generator as for the pass-band: Eg = 11 U, Rg = 11 Roe, U = %1 V.",
    .plot_table_bands =
        "In the table (at the design's step): -1 dB band %1 kHz, S11 band at 0.1 "
        "%2 kHz.",
    .plot_which_is_which =
        "The bands in the plot's labels are found on the curve itself, finer than "
        "the design's step, so they differ a little from the table.",
    .plot_suppression_note =
        "The suppression on the plot is the Pi-network's own; the stage's "
        "2nd-harmonic filtering by the design (with the current pulse): %1 dB.",
    .plot_pi_l_network_at = "Pi-L network at %1 MHz",
    .plot_pi_l_refused = "Pi-L design refused: %1.",
    .plot_pi_l_elements =
        "C1 = %1 pF,  L1 = %2 uH,  C2 = %3 pF,  L2 = %4 uH,  Rm = %5 ohm,  QL = %6,  "
        "Q0 = %7,  Roe = %8 ohm,  Rload = %9 ohm",
    .plot_pi_l_s11_panel = "|S11| at the Pi-L input (against Roe)",
    .plot_pi_l_suppression_note =
        "Suppression on the plot is the Pi-L network's own; the stage's 2nd-harmonic "
        "filtering: %1 dB; Pi network: 2f %2 dB, 3f %3 dB.",
    .plot_pi_l_no_curves = "No plot: the Pi-L network was not designed.",
    .smith_title_pi = "Smith chart of the Pi-network, %1 MHz",
    .smith_title_pi_l = "Smith chart of the Pi-L network, %1 MHz",
    .smith_subtitle = "SWR %1 around %2 ohm; Roe = %3 ohm; %4 of %5 loads matched",
    .smith_refused = "No design at this frequency: no loads to show",
    .smith_matched = "matched",
    .smith_not_matched = "not matched",
    .smith_design_load = "design load",
    .smith_swr = "SWR",
    .smith_region = "reached by C1 and C2",
    .smith_resistance = "resistance: r = R / R0",
    .smith_reactance = "reactance: x = X / R0",
};

}  // namespace plan
