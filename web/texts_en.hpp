#pragma once

// The page's own texts in English.

#include "web/page_texts.hpp"

namespace web {

namespace en {

using O = plan::OptionId;
using G = plan::OptionGroup;
using T = plan::PlanTexts;

inline constexpr std::array<FieldText, 31> kFields{{
    {O::p_out, "Output power", "typically 100–1500",
     "The power the stage delivers into the load: the antenna or the feeder."},
    {O::e_supply, "Anode voltage E", "typically 1000–3000", "The anode supply's voltage."},
    {O::r_load, "Load resistance", "typically 50 or 75",
     "The resistance of the antenna or the feeder that the network works into."},
    {O::exponent, "Tube characteristic's exponent", "typically 1.5",
     "The power of the anode current's law in the voltage: 1 is a straight line, 1.5 the "
     "three-halves law."},
    {O::angle, "Conduction angle", "typically 70–90",
     "Half the part of the period in which the tube conducts: 90° is class B, less is class C."},
    {O::q0,
     "Unloaded Q of the network, Q0",
     "typically 150–300",
     "The Q of the unloaded network, mostly its coil's. From the coil: each frequency its own, "
     "from the coil's sizes; fill in the coil's fields for it.",
     {"from the coil"}},
    {O::u_min, "Lowest anode voltage", "typically 10–20 % of E",
     "The anode's residual voltage at the current's peak; at most 0.95 × E."},
    {O::filter_db, "2nd harmonic suppression", "typically 40–60",
     "How much weaker than the fundamental the second harmonic in the load must be."},
    {O::c_tube, "Tube output capacitance with wiring", "typically 10–30",
     "The anode's capacitance to ground with the wiring's: it is part of C1."},
    {O::c_var_min, "Lowest capacitance of a variable", "typically 5–20",
     "The variable capacitor's capacitance with its plates out."},
    {O::freq, "Other frequencies", "e.g. 7.05; 14.2",
     "Frequencies that are not among the bands. A decimal point or comma (1,85 = 1.85); "
     "frequencies apart by a space, a semicolon or a comma and a space."},
    {O::bands, "Bands", "",
     "A ticked band is computed at its frequency; the frequencies of the field below are "
     "added to them."},
    {O::feed,
     "Anode feed",
     "",
     "Shunt: through the anode choke, with a blocking capacitor before C1. Series: through the "
     "tank coil; C1 then holds the anode voltage too.",
     {"shunt, through the choke", "series, through the coil"}},
    {O::margin, "Capacitors' voltage margin", "typically 2–3",
     "A capacitor's rating = its peak voltage × the margin: for mismatch, AM and breakdown. "
     "Empty: 2."},
    {O::coil_diameter, "Coil diameter", "typically 30–80",
     "A single-layer coil without a core; the diameter to the wire's middle. The coil's three "
     "fields are filled together or left empty."},
    {O::wire, "Coil wire diameter", "typically 1.5–4", ""},
    {O::pitch, "Winding pitch", "at least the wire", "From a turn's middle to the next one's."},
    {O::c1_max, "Highest capacitance of C1", "typically 200–500",
     "With C2's range: how the variables tune at each frequency and which padders they need. "
     "The lowest is the field “Lowest capacitance of a variable”."},
    {O::c2_range, "Range of C2", "e.g. 20:1000",
     "The lowest and the highest capacitance with a colon between; filled together with C1."},
    {O::choke_diameter, "Choke diameter", "typically 15–30",
     "A single-layer choke without a core; the diameter to the wire's middle. The choke's four "
     "fields are filled together or left empty."},
    {O::choke_wire, "Choke wire diameter", "typically 0.3–0.8", ""},
    {O::choke_pitch, "Choke winding pitch", "at least the wire",
     "From a turn's middle to the next one's."},
    {O::choke_turns, "Choke turns", "typically 80–200", "May be fractional."},
    {O::choke_series, "Choke's measured resonance", "",
     "The first series resonance measured in place (with a lamp or an analyser): every "
     "resonance of the choke is corrected from it."},
    {O::choke_guard, "Guard to the choke's resonance", "15 when empty",
     "Warn of a frequency closer than this to a series resonance of the choke."},
    {O::blocking_pf, "Blocking capacitor", "",
     "Check the capacitor chosen. Empty: the smallest whose reactance at the lowest frequency is "
     "at most 5 % of Roe."},
    {O::raise_q, "Raise Q when the capacitance is small", "",
     "When C1 would be below the tube's output capacitance with the wiring, raise the loaded Q "
     "rather than refuse the design."},
    {O::network,
     "Network",
     "",
     "Pi-L: a Pi section to the middle resistance Rm, then a series coil L2 to the load; it "
     "suppresses harmonics better.",
     {"Pi-network", "Pi-L network"}},
    {O::r_mid, "Middle resistance Rm", "300 when empty",
     "Above the load resistance and below the anode's resistance Roe."},
    {O::swr, "Antenna SWR", "e.g. 2 or 3",
     "Each design is retuned for 72 loads on this SWR's circle: which are matched, C1's and "
     "C2's ranges, currents and ratings. Empty: no such run."},
    {O::lang, "Language", "", "", {"Русский", "English"}},
}};

inline constexpr std::array<GroupText, 5> kGroups{{
    {G::starting_values, "Starting values"},
    {G::frequencies, "Frequencies"},
    {G::parts, "Parts (optional)"},
    {G::feed, "Anode choke and blocking capacitor (optional)"},
    {G::other, "Network and antenna"},
}};

inline constexpr std::array<MessageText, 9> kMessages{{
    {&T::missing, "%1: not filled in; expected %2", 0},
    {&T::no_frequency, "no frequency chosen: tick the bands or type the frequencies", 0},
    {&T::q0_coil_needs_coil, "Q0 from the coil comes from its sizes: fill in the coil's fields", 0},
    {&T::q0_used, "Q0 the band was designed with (from the coil)", 0},
    {&T::group_incomplete,
     "not filled in: %2. These fields are filled all together or left empty: %1, %2", 2},
    {&T::list_hint,
     " (frequencies are apart by a space, a semicolon or a comma and a space: 1.85; 3.6)", 0},
    {&T::file_key, "%1, entry %2", 0},
    {&T::unknown_key, "%1: unknown entry %2", 0},
    {&T::wrong_type, "%1, entry %2: expected %3", 0},
}};

}  // namespace en

inline constexpr PageTexts kEnglishPage{
    .title = "valvenet — the output stage of a tube transmitter",
    .intro =
        "A Pi-network at several frequencies: the calculations of valvenet-plan, in the "
        "browser, with nothing to install and no network.",
    .form = "Starting values",
    .language = "Language",
    .results = "Results",
    .table = "Table",
    .plot = "Response",
    .plot_at = "Frequency of the plot, MHz",
    .smith = "Smith chart: the loads at the SWR",
    .smith_at = "Frequency of the chart, MHz",
    .json = "JSON (as valvenet-plan writes it)",
    .compute_ms = "Recompute, ms:",
    .errors = "Errors",
    .not_current =
        "The results below are for the earlier values: correct the errors and they "
        "are computed again.",
    .loading = "Loading…",
    .save_json = "Save JSON",
    .save_csv = "Save CSV",
    .save_table = "Save table",
    .save_svg = "Save SVG",
    .open_json = "Open JSON",
    .opened = "Values from the file %1",
    .all_results = "Every result, band by band",
    .totals = "The summary over the bands",
    .status = "Recomputed. Frequencies: %1, refused: %2, warnings: %3",
    .command_line = "The same design on the command line",
    .copy_command = "Copy the command",
    .copy_link = "Copy the link",
    .filled_from_example =
        "The link gave only some of the values: the rest are the example design's.",
    .help = "Explanation",
    .label_quote = "“%1”",
    .metre = "m",
    .all_hf = "all HF",
    .all_bands = "all",
    .q0_number = "a number",
    .smith_load = "Load %1 ohm",
    .smith_matched = "matched: C1 %1 pF, C2 %2 pF",
    .smith_unmatched = "not matched: %1",
    .load_reasons = {"matched", "the load is not finite or its resistance is not above 0",
                     "no C2 gives the anode its resistance", "C2 would have to be negative",
                     "C1 would be at most the tube's output capacitance"},
    .fields = en::kFields,
    .groups = en::kGroups,
    .messages = en::kMessages,
};

}  // namespace web
