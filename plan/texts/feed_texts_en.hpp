#pragma once

// The shunt feed's texts in English (plan/texts/feed_text_fields.hpp).

#include "plan/texts/feed_text_fields.hpp"

namespace plan {

inline constexpr FeedTexts kEnglishFeedTexts{
    .feed_options_series =
        "%1: with --feed series there is neither a choke nor a blocking capacitor (the anode "
        "is fed through the tank coil); the choke's options and --blocking-pf go with "
        "--feed shunt only",
    .choke_option_alone =
        "%1 goes with the choke: --choke-diameter, --choke-wire, --choke-pitch, --choke-turns",
    .choke_pitch_below_wire =
        "--choke-pitch: the pitch %1 is below the wire %2 (--choke-wire): the turns would overlap",
    .choke_wire_not_below_d =
        "--choke-wire: the wire %1 is not thinner than the choke's diameter %2 (--choke-diameter)",
    .x_min_only_choke =
        "--choke-x-min is the choke search's: valvenet-plan choke STARTING-VALUES\n"
        "--freq MHz... --choke-diameter MM --choke-wire MM --choke-pitch MM --choke-x-min NUMBER",
    .choke_x = "Choke reactance X, ohm",
    .choke_r = "Choke loss resistance R, ohm",
    .choke_z = "Choke impedance |Z|, ohm",
    .choke_i_rf = "RF current through the choke, A (rms)",
    .choke_loss = "Loss in the choke, W",
    .choke_delta_c1 = "C1 change for the choke, pF",
    .choke_c1_reachable = "C1 variable tunes with the change",
    .choke_series_near = "Nearest series resonance of the choke, MHz",
    .choke_series_pct = "Distance from it, %",
    .choke_i_dc = "DC current through the choke, A",
    .choke_dc_drop = "DC drop across the choke, V",
    .choke_density = "Current density in the choke's wire, A/mm^2",
    .yes = "yes",
    .no = "no",
    .blocking_c_min = "Smallest blocking C, pF",
    .blocking_c = "Blocking C, pF",
    .blocking_x_pct = "Blocking C reactance, % of Roe",
    .blocking_i_rf = "RF current through the blocking C, A (rms)",
    .blocking_q = "Blocking C reactive power, var",
    .choke_near_series =
        "f within %1 % of the choke's series resonance at %2 MHz (%3 % away): here the choke "
        "shorts the anode",
    .choke_uncalibrated =
        "; the choke's resonances are computed uncalibrated, the model's error on the first "
        "resonance being about 13-14 %: measure it in place and enter it in the design",
    .choke_c1_unreachable = "C1 cannot be tuned with the choke's change of %1 pF: %2",
    .choke_loss_high = "the loss in the choke, %1 W, is above %2 % of the output power",
    .choke_density_high =
        "the current density in the choke's wire, %1 A/mm^2, is above %2 A/mm^2: the wire "
        "will overheat",
    .blocking_small =
        "the blocking capacitor of %1 pF has a reactance of %2 % of Roe, above %3 %: at least "
        "%4 pF is needed",
    .choke_heading = "The anode choke (diameter %1 mm, wire %2 mm, pitch %3 mm, %4 turns):",
    .choke_l_line = "L = %1 uH, winding length %2 mm, resistance to direct current %3 ohm",
    .choke_parallel_line = "parallel resonances (harmless), MHz: %1",
    .choke_series_line = "series resonances (shorting the anode), MHz: %1",
    .choke_calibrated =
        "calibrated by the measured series resonance at %1 MHz (uncalibrated, the model would "
        "give %2 MHz)",
    .choke_uncalibrated_line =
        "not calibrated: the model puts the first resonance about 13-14 % high; measure it\n"
        "in place (with a lamp or an analyzer) and enter it in the design",
    .plot_choke_series = "choke series resonance %1 MHz",
    .choke_see_help = "the choke search's options and their ranges: valvenet-plan choke --help",
    .choke_help_title =
        "valvenet-plan choke - the turns of the anode choke for shunt feed: of the turns\n"
        "that make the choke inductive on the lowest frequency with an X of at least\n"
        "--choke-x-min x Roe, the best are those that keep every frequency farthest from\n"
        "the choke's series resonances (where it shorts the anode).",
    .choke_help_usage =
        "valvenet-plan choke STARTING-VALUES (--freq MHz... | --bands ham) --choke-diameter mm "
        "--choke-wire mm --choke-pitch mm [--choke-x-min NUMBER] [--raise-q] "
        "[--format table|csv|json] [--lang ru|en]",
    .choke_help_format =
        "output: table - a table (the default); csv - a row of names and a row per\n"
        "turns count found; json - inputs, search and candidates",
    .choke_help_footer =
        "Roe is the stage design's on the lowest frequency whose design completed. The\n"
        "search uses the uncalibrated model (its error on the first resonance is about\n"
        "13-14 %): wind the chosen choke, measure its first series resonance in place and\n"
        "check it by a design with --choke-turns and --choke-series-mhz.\n"
        "\n"
        "Exit status: 0 when searched (or when it says why no turns count will do); 2 for\n"
        "bad arguments (nothing is computed); 1 when the output cannot be written.",
    .cs_heading = "Turns of the choke: diameter %1 mm, wire %2 mm, pitch %3 mm",
    .cs_floor = "lowest frequency %1 MHz, Roe = %2 ohm: the choke's X at least %3 x Roe = %4 ohm",
    .cs_interval = "admissible turns: from %1 to %2",
    .cs_title = "%1. %2 turns",
    .cs_l = "Inductance, uH",
    .cs_margin = "Least distance from a series resonance, %",
    .cs_band = "Frequency at that distance, MHz",
    .cs_series = "Series resonance next to it, MHz",
    .cs_x = "X on the lowest frequency, ohm",
    .cs_delta_c1 = "C1 change on the lowest frequency, pF",
    .cs_parallel_list = "parallel resonances, MHz: %1",
    .cs_series_list = "series resonances, MHz: %1",
    .cs_none = "No admissible turns: %1",
    .cs_below_minimum =
        "no turns count (up to %1) makes an inductive choke with an X of at least %3 ohm\n"
        "on %2 MHz: a larger diameter, a smaller pitch or a smaller X as a share of Roe is needed",
    .cs_at_band = "every admissible turns count puts a frequency on a series resonance",
    .cs_invalid = "the winding or the frequencies do not suit a search",
    .cs_no_design = "no frequency's stage design completed: no Roe to search with",
    .cs_note =
        "The resonances are the uncalibrated model's (its error on the first resonance is\n"
        "about 13-14 %): wind the chosen choke, measure its first series resonance in place\n"
        "and check it by a design with these turns and the measured resonance.",
};

}  // namespace plan
