#pragma once

// valvenet-plan's texts in English; the English labels of the results are
// in plan/result_labels_en.hpp.

#include <array>

#include "main/warnings.hpp"
#include "plan/texts/result_labels_en.hpp"
#include "plan/texts/text_fields.hpp"
#include "plan/texts/texts_ru.hpp"
#include "text/texts.hpp"

namespace plan {

inline constexpr PlanTexts kEnglishTexts{
    .language = Language::en,
    .decimal_mark = '.',
    .watt = "W",
    .volt = "V",
    .ohm = "ohm",
    .degree = "degrees",
    .picofarad = "pF",
    .megahertz = "MHz",
    .decibel = "dB",
    .p_out = "output power into the load (prompt 1 of the dialog)",
    .e_supply = "anode supply voltage E (prompt 2)",
    .r_load = "load resistance (prompt 3)",
    .exponent = "exponent of the tube characteristic (prompt 4)",
    .angle = "cut-off angle θ, half the conduction angle (prompt 5)",
    .q0 =
        "unloaded Q of the Pi-network Q0 (prompt 6), or coil: each band's coil's own Q\n(with the "
        "coil options)",
    .u_min = "minimum anode voltage (prompt 7), at most 0.95 x E",
    .filter_db = "suppression of the 2nd harmonic asked for (prompt 8)",
    .c_tube = "tube output capacitance with the wiring's (prompt 9)",
    .c_var_min = "minimum capacitance of the tuning capacitor (prompt 10)",
    .from_to = "from %1 to %2",
    .above_at_most = "above %1 and at most %2",
    .at_least = "at least %1",
    .above = "above %1",
    .program = "valvenet-plan: ",
    .see_help = "options and their ranges: valvenet-plan --help --lang en",
    .missing = "%1 is not given; expected %2",
    .no_value = "%1: no value given; expected %2",
    .not_a_number = "%1: \"%2\" is not a number; expected %3",
    .list_hint = " (the frequencies of a list are separated by blanks: --freq 1.85 3.6 7.1)",
    .not_finite = "%1: \"%2\" is not a finite number; expected %3",
    .out_of_range = "%1: %2 is out of range; expected %3",
    .u_min_limit = "%1: %2 is out of range; expected at most 0.95 x --e-supply = %3 V",
    .repeated = "%1 is given more than once; give it once",
    .unknown_option = "unknown option %1",
    .stray = "stray argument \"%1\"",
    .takes_no_value = "%1 takes no value (given \"%2\")",
    .not_both = "--freq and --bands exclude each other; give one of them",
    .no_frequency =
        "no frequencies given; expected --freq with frequencies from 0.1 to 60 MHz or "
        "--bands ham",
    .unknown_set = "--bands: unknown set \"%1\"; expected ham",
    .unknown_format = "--format: unknown format \"%1\"; expected table, csv or json",
    .plot_no_name = "--plot: empty file name; expected FILE.svg",
    .plot_one = "--plot draws one frequency, but the frequencies given are %1",
    .bad_arguments = "bad arguments",
    .cannot_write_output = "cannot write the standard output",
    .cannot_write_file = "cannot write %1: %2",
    .no_such_folder = "no such folder",
    .no_permission = "no permission to write",
    .disk_full = "disk full",
    .is_a_folder = "a folder is in the file's place",
    .read_only = "read-only file system",
    .other_reason = "system error (%1)",
    .help_title =
        "valvenet-plan - the output stage of a tube transmitter with a Pi-network,\n"
        "designed for several frequencies at once.",
    .help_usage_word = "Usage:",
    .help_usage =
        "valvenet-plan --inputs FILE.json [options that replace the file's values]\n"
        "valvenet-plan coil --coil-diameter mm --wire mm --pitch mm --turns N --freq MHz... "
        "[--format table|csv|json] [--lang ru|en]\n"
        "valvenet-plan choke STARTING-VALUES (--freq MHz... | --bands ham) --choke-diameter mm "
        "--choke-wire mm --choke-pitch mm [--choke-x-min NUMBER] [--raise-q] [--format "
        "table|csv|json] [--lang ru|en]\n"
        "valvenet-plan --help | coil --help | choke --help",
    .help_starting_values = "Starting values (all required, the dialog's ranges):",
    .help_frequencies = "Frequencies (one of the two):",
    .help_freq =
        "working frequencies, MHz, 0.1 to 60: several numbers after the option\n"
        "(--freq 1.85 3.6 7.1) or the option several times (--freq 1.85 --freq 7.1)",
    .help_bands =
        "a set of frequencies: ham = 1.85 3.6 7.1 10.12 14.15 18.1 21.2 24.93 28.5\n"
        "50.1 MHz",
    .help_other = "Other options:",
    .help_raise_q =
        "answer \"yes\" to the question about a small hot capacitance: raise the\n"
        "loaded Q (without the option: \"no\")",
    .help_format =
        "output on standard output: table - the report's labels, warnings and\n"
        "summary (the default); csv - a row of names and a row per frequency;\n"
        "json - inputs, raise_q, designs, summary",
    .help_plot =
        "write to FILE.svg the response |Uout| in dB and |S11| from 0.5 f to 3.5 f\n"
        "(one frequency only)",
    .help_help = "this help",
    .help_help_group = "Help:",
    .help_footer =
        "Numbers are written as in the dialog: with a point or a decimal comma\n"
        "(1,9 = 1.9), with or without an exponent (2.5e3); NAN and INF are refused.\n"
        "An option's value follows a blank or = (--p-out 400, --p-out=400).\n"
        "\n"
        "Each frequency gets the same stage design as the console program, and every\n"
        "result agrees with it to the bit. A design refused by the critical Q (above\n"
        "0.7 Q0) is shown as refused.\n"
        "\n"
        "Exit status: 0 when every design completed or was refused by the critical\n"
        "Q; 2 for bad arguments or a bad --inputs file (nothing is computed); 1 when\n"
        "the output or the plot cannot be written.",
    .hot_cap_below_min = "Hot capacitance below the tuning capacitor's minimum at: %1",
    .hot_cap_below_min_none = "Hot capacitance not below the tuning capacitor's minimum anywhere",
    .banner_a = "Operating parameters of a transmitter output stage",
    .banner_b = "with a Pi-network",
    .inputs_heading = "Starting values:",
    .inputs_left = {"P, W", "E, V", "Umin, V", "Ctube + Cw, pF", "Cvar.min, pF", "Exponent"},
    .inputs_right = {"F, MHz", "Rload, ohm", "Filter, dB", "Q0", "Angle, deg"},
    .raise_q_line = "Raise the loaded Q when the hot capacitance is small: ",
    .raise_q_yes = "yes",
    .raise_q_no = "no",
    .frequency_heading = "Results for f, MHz",
    .calculation = "Design",
    .completed = "completed",
    .refused = "refused",
    .warnings_heading = "Warnings:",
    .refused_line = "refused: %1 (above 0.7 Q0)",
    .none = "none",
    .critical_q = "Critical Q beyond the limit",
    .warnings =
        {
            "Warning: Pi-network efficiency below 80% !!!",
            "Warning: Pi-network efficiency below 85% !!",
            "Warning: Pi-network efficiency below 90% !",
            "Warning: 2nd harmonic filtering below 40 dB!",
            "Warning: 2nd harmonic power > 50 mW! Raise the filtering.",
            "Warning: total efficiency below 50%!",
            "Warning: hot capacitance too small!",
        },
    .summary_counts = "Summary over the frequencies: completed %1, refused %2",
    .spans_heading = "Ranges of the element values:",
    .span_c1 = "C1 of the Pi-network, total, pF",
    .span_c_hot = "C of the hot capacitor, pF",
    .span_l = "L of the Pi-network, uH",
    .span_c2 = "C2 of the Pi-network, pF",
    .from = "from",
    .to = "to",
    .duties_heading = "Heaviest duty of the elements (frequency in brackets):",
    .duty_current = "I, A (rms)",
    .duty_voltage = "U, V (rms)",
    .duty_reactive = "Q, var",
    .duty_note = "(U = Q / I: the voltage across a capacitor; across the coil omega L I)",
    .number_word = "NUMBER",
    .file_word = "FILE",
    .range_word = "MIN:MAX",
    .millimetre = "mm",
    .help_parts = "Parts (optional):",
    .help_feed =
        "anode feed: shunt - through a choke, with a blocking capacitor before C1\n"
        "(the default); series - through the tank coil, so C1 also holds E",
    .help_margin =
        "voltage margin of the capacitors (mismatch, AM, arcs):\n"
        "rating = peak voltage x K; the default 2",
    .help_coil_diameter =
        "the coil: single-layer, air core; diameter to the conductor's centre\n"
        "(with --wire and --pitch: all three or none)",
    .help_wire = "conductor diameter",
    .help_pitch = "turn spacing, centre to centre, at least the wire",
    .help_c1_max =
        "largest capacitance of the tuning capacitor C1 (its smallest is\n"
        "--c-var-min); with --c2-range: both or neither",
    .help_c2_range = "range of the loading capacitor C2, pF, MIN < MAX",
    .help_lang = "language of the table, messages, help and plot: ru (the default) or en",
    .help_lang_no_plot = "language of the table, messages and help: ru (the default) or en",
    .help_inputs =
        "take the starting values, frequencies, raise_q and the parts options from\n"
        "the JSON of an earlier run (--format json); an option on the command line\n"
        "wins (but no option turns off a raise_q: true of the file)",
    .unknown_feed = "--feed: unknown feed \"%1\"; expected shunt or series",
    .unknown_language = "--lang: unknown language \"%1\"; expected ru or en",
    .group_incomplete = "%1 without %2: the options of this group go together",
    .pitch_below_wire =
        "--pitch: the pitch %1 is below the wire %2 (--wire): the turns would "
        "overlap",
    .wire_not_below_d =
        "--wire: the wire %1 is not thinner than the coil diameter %2 "
        "(--coil-diameter)",
    .c1_max_not_above =
        "--c1-max: %1 is not above the tuning capacitor's minimum %2 "
        "(--c-var-min)",
    .c2_range_form = "%1: \"%2\" - expected MIN:MAX in pF, for example 20:1000",
    .c2_range_order = "%1: \"%2\" - MIN must be below MAX",
    .file_key = "%1, key %2",
    .cannot_read_file = "--inputs: cannot read %1: %2",
    .no_such_file = "no such file",
    .json_syntax = "%1: JSON syntax error at line %2, column %3",
    .unknown_key = "%1: unknown key %2",
    .wrong_type = "%1, key %2: expected %3",
    .expect_number = "a number",
    .expect_numbers = "a list of numbers",
    .expect_bool = "true or false",
    .expect_object = "an object",
    .expect_pair = "a pair of numbers [MIN, MAX]",
    .expect_feed = "\"shunt\" or \"series\"",
    .expect_network = "\"pi\" or \"pi-l\"",
    .expect_lang = "\"ru\" or \"en\"",
    .feed_shunt = "shunt",
    .feed_series = "series",
    .parts_heading = "Largest voltage ratings of the capacitors (margin %1, %2 feed):",
    .largest_rating = "%1: %2 V (%3 MHz)",
    .capacitor_c1 = "C1",
    .capacitor_c2 = "C2",
    .capacitor_blocking = "blocking",
    .coil_heading = "One coil for all frequencies (diameter %1 mm, wire %2 mm, pitch %3 mm):",
    .coil_whole = "turns %1, winding length %2 mm, conductor length %3 m",
    .coil_tap = "tap for %1 MHz: %2 turns from the C1 end",
    .coil_failed = "no coil: at %1 MHz %2",
    .coil_leaves_out =
        "The coil model leaves out: shorted or open turns beyond a tap, the leads\n"
        "and tap connections, the form's material, nearby metal; its self-capacitance\n"
        "and self-resonance are of the winding alone, without leads or form.",
    .coil_problems =
        {
            "none",
            "the coil diameter is not above zero",
            "the wire diameter is not above zero",
            "the pitch is below the wire diameter",
            "the wire is not thinner than the coil",
            "the inductance is not above zero",
            "less than one turn is needed",
            "more than 10000 turns are needed",
        },
    .tuning_unreachable = "%1 cannot be tuned: %2",
    .tuning_reasons =
        {
            "inside the variable's range",
            "with a fixed padder",
            "the capacitance needed is below the variable's minimum",
            "the variable's range is too narrow for a padder",
            "the variable's range is invalid",
            "the capacitance needed is not a number",
        },

    // --- The Pi-L tank. ---
    .help_network =
        "network: pi - Pi network (default); pi-l - Pi-L network: a Pi section\n"
        "from Roe to Rm, then a series coil L2 (L section) to the load;\n"
        "the plain Pi's 2f and 3f suppression from the same starting values is shown beside it",
    .help_r_mid =
        "intermediate resistance Rm of the Pi-L, ohm (default 300);\n"
        "above the load resistance and below the input resistance Roe",
    .unknown_network = "--network: unknown network \"%1\"; expected pi or pi-l",
    .r_mid_without_pi_l = "--r-mid is given only together with --network pi-l",
    .r_mid_not_above_load =
        "--r-mid: %1 ohm is not above the load resistance --r-load = %2 ohm; "
        "Rm must be above the load resistance and below Roe",
    .r_mid_not_below_roe =
        "--r-mid: %1 ohm is not below the highest possible input resistance "
        "Roe = U^2/P = %2 ohm (U = (E - Umin)/sqrt(2)); Rm must be above the load "
        "resistance and below Roe",
    .pi_l_heading =
        "Pi-L network (--network pi-l): Pi section from Roe to Rm = %1 ohm, coil L2 "
        "from Rm to the load",
    .pi_l_status = "Pi-L design",
    .pi_l_completed = "completed",
    .pi_l_refused = "refused",
    .pi_l_plain_pi_heading =
        "Pi network from the same starting values (for comparison with the Pi-L):",
    .pi_l_refused_critical_q = "critical Q of the Pi section above 0.7 Q0",
    .pi_l_refused_r_mid = "Rm = %1 ohm is not below the input resistance Roe = %2 ohm",
    .pi_l_refused_pi_section = "the Pi section has no positive elements at the loaded Q reached",
    .pi_l_warnings_prefix = "Pi-L: ",
    .pi_l_q_below_1 =
        "L-section Q_L = %1 below 1: Rm is close to the load resistance, coil L2 does "
        "almost nothing",
    .pi_l_q_above_10 =
        "L-section Q_L = %1 above 10: Rm is too high, the L section is narrow-band and "
        "loses power",
    .pi_l_ranges = "Ranges of the Pi-L's element values:",
    .pi_l_c1_total_pf = "Pi-L C1 total, pF",
    .pi_l_c_hot_pf = "Pi-L hot capacitor C, pF",
    .pi_l_l1_uh = "Pi-L L1, uH",
    .pi_l_c2_pf = "Pi-L C2 (at Rm), pF",
    .pi_l_l2_uh = "Pi-L L2, uH",
    .pi_l_r_mid = "Intermediate resistance Rm, ohm",
    .pi_l_r_oe = "Pi-L input resistance (Roe), ohm",
    .pi_l_q_loaded = "Loaded Q of the Pi section",
    .pi_l_q_critical = "Critical Q of the Pi section",
    .pi_l_q_l_section = "L-section Q_L",
    .pi_l_eff_network_pct = "Pi-L efficiency, %",
    .pi_l_eff_total_pct = "Total efficiency with the Pi-L, %",
    .pi_l_p_h1 = "1st-harmonic power into the network, W",
    .pi_l_filter_achieved_db = "2nd-harmonic filtering, dB",
    .pi_l_p_h2_out_mw = "2nd-harmonic power into the load, mW",
    .pi_l_i_c1_a = "Current through C1, A rms",
    .pi_l_u_c1_rms = "Voltage across C1, V rms",
    .pi_l_i_l1_a = "Current through L1, A rms",
    .pi_l_u_l1_rms = "Voltage across L1, V rms",
    .pi_l_i_c2_a = "Current through C2, A rms",
    .pi_l_u_mid_rms = "Voltage across C2 (at Rm), V rms",
    .pi_l_i_l2_a = "Current through L2, A rms",
    .pi_l_u_l2_rms = "Voltage across L2, V rms",
    .pi_l_u_load_rms = "Load voltage, V rms",
    .pi_l_passband_khz = "Pi-L pass-band at -1 dB, kHz",
    .pi_l_s11_band_khz = "Pi-L band at S11 0.1, kHz",
    .pi_l_s11_at_f = "Pi-L S11 at f",
    .pi_l_h2_db = "2f suppression by the Pi-L, dB",
    .pi_l_h3_db = "3f suppression by the Pi-L, dB",
    .pi_l_pi_h2_db = "2f suppression by the Pi, dB",
    .pi_l_pi_h3_db = "3f suppression by the Pi, dB",
    // --- end of the Pi-L's texts. ---
    .help_swr =
        "The antenna's SWR: every design is re-tuned for 72 loads on the SWR circle "
        "around\n--r-load (C1 and C2 set anew, the coil and its tap kept, Roe kept, the load at "
        "2f\ntaken as --r-load, capacitors lossless): the loads matched, what C hot and C2 "
        "must\nreach, the currents, the C2 voltage and its rating, the filtering",
    .help_smith = "the Smith chart of the loads of --swr (one frequency only)",
    .smith_no_name = "--smith needs a file name",
    .smith_one = "--smith draws one frequency, but the frequencies given are %1",
    .ampere = "A",
    .percent = "%",
    .lr_heading = "%1 MHz: %2 at SWR %3 around %4 ohm",
    .lr_pi_l_heading = "Pi-L, %1 MHz: %2 at SWR %3 around %4 ohm",
    .lr_none = "no load matched",
    .lr_filter_warning = "Filtering below %1 dB at SWR %2: %3, lowest %4 dB",
    .lr_summary_heading = "Over all frequencies and loads at SWR %1:",
    .lr_summary_line = "%1: %2 (%3 MHz, %4)",
    .lr_matched_count = "Loads matched",
    .lr_c_hot_pf_min = "C hot, lowest",
    .lr_c_hot_pf_max = "C hot, highest",
    .lr_c2_pf_min = "C2, lowest",
    .lr_c2_pf_max = "C2, highest",
    .lr_i_l_a_max = "I in L (L1), largest",
    .lr_i_l2_a_max = "I in L2, largest",
    .lr_i_c1_a_max = "I in C1, largest",
    .lr_i_c2_a_max = "I in C2, largest",
    .lr_u_c2_peak_v_max = "Peak U across C2, largest",
    .lr_u_load_peak_v_max = "Peak U across the load, largest",
    .lr_eff_network_pct_min = "Network efficiency, lowest",
    .lr_filter_db_min = "Filtering of the 2nd harmonic, lowest",
    .lr_c2_rating_v = "C2 voltage rating at the worst load",
    .lr_c1_padder_pf = "Padder across C1 for the circle",
    .lr_c2_padder_pf = "Padder across C2 for the circle",
    .lr_reachable_count = "Loads the variables reach",
    .smith_needs_swr = "--smith draws the loads of an SWR circle: --swr is needed too",
    .help_turns = "number of turns (may be fractional)",
    .help_coil_calculator = "The coil calculator (see valvenet-plan coil --help):",
    .turns_only_coil =
        "--turns is the coil calculator's: valvenet-plan coil --coil-diameter MM\n"
        "--wire MM --pitch MM --turns N --freq MHz...",
    .microhenry = "uH",
    .metre = "m",
    .q0_coil_needs_coil = "--q0 coil takes Q0 from the coil: give --coil-diameter, --wire, --pitch",
    .q0_used = "Q0 of the design (from the coil)",
    .q0_coil_clamped = "the coil's apparent Q %1 is above the highest Q0: designed with 750",
    .q0_coil_not_settled = "the coil's turns did not settle in %1: the last round is shown",
    .q0_coil_too_low = "the coil's apparent Q %1 is below the lowest Q0, %2",
    .q0_coil_no_coil = "no coil of this winding for the design's L: %1",
    .q0_from_coil = "from the coil",
    .coil_whole_resonance = "whole winding: self-capacitance %1 pF, self-resonance %2 MHz",
    .coil_near_whole = "%1 within 10 % of the whole winding's self-resonance, %2 MHz",
    .coil_near_part = "%1 within 10 % of the self-resonance of the turns in use, %2 MHz",
    .answers_heading = "What to wind and buy: the Pi network band by band",
    .answers_heading_pi_l = "What to wind and buy: the Pi-L network band by band",
    .help_feed_group = "The anode choke and the blocking capacitor (shunt feed, optional):",
    .help_choke_diameter =
        "the anode choke: single-layer, air-core; diameter to the wire's centre\n"
        "(with --choke-wire, --choke-pitch, --choke-turns: all four or none)",
    .help_choke_wire = "the choke's wire diameter",
    .help_choke_pitch = "the choke's turn spacing, centre to centre, at least the wire",
    .help_choke_turns = "the choke's number of turns (may be fractional)",
    .help_choke_series =
        "the choke's first series resonance as measured in place (with a lamp or an\n"
        "analyzer): every resonance of the choke is corrected by it",
    .help_choke_guard =
        "warn of a frequency closer than this to a series resonance of the choke,\n"
        "% of the frequency (default 15: the model's error on the first resonance)",
    .help_blocking_pf =
        "check a chosen blocking capacitor (without it: the smallest whose reactance on\n"
        "the lowest frequency is at most 5 % of Roe)",
    .help_choke_search = "The choke's turns search (see valvenet-plan choke --help):",
    .help_choke_x_min =
        "the choke's least reactance on the lowest frequency, as a share of Roe\n"
        "(default 0.5)",
    .feed = kEnglishFeedTexts,
    .parts = kEnglishPartTexts,
    .chart = kEnglishChartTexts,
    .coil = kEnglishCoilTexts,
    .loads = {"load", "loads", "loads"},
    .matched_loads = {"matched load", "matched loads", "matched loads"},
    .rounds = {"round", "rounds", "rounds"},
};

}  // namespace plan
