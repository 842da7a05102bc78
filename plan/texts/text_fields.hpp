#pragma once

// The texts of valvenet-plan, by field: the one struct both languages fill
// (plan/texts_ru.hpp, plan/texts_en.hpp; the list of its fields is in
// plan/text_list.hpp), and fill() for the patterns' %1, %2, ...

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "main/warnings.hpp"
#include "plan/texts/chart_text_fields.hpp"
#include "plan/texts/chart_texts_en.hpp"
#include "plan/texts/chart_texts_ru.hpp"
#include "plan/texts/coil_text_fields.hpp"
#include "plan/texts/coil_texts_en.hpp"
#include "plan/texts/coil_texts_ru.hpp"
#include "plan/texts/feed_text_fields.hpp"
#include "plan/texts/feed_texts_en.hpp"
#include "plan/texts/feed_texts_ru.hpp"
#include "plan/texts/part_text_fields.hpp"
#include "plan/texts/part_texts_en.hpp"
#include "plan/texts/part_texts_ru.hpp"
#include "plan/texts/plural.hpp"

namespace plan {

struct PlanTexts {
  Language language;
  char decimal_mark;  // of the numbers written in messages and help

  // Units, as the dialog writes them.
  std::string_view watt, volt, ohm, degree, picofarad, megahertz, decibel;

  // What each starting value is, for --help (the dialog's prompt number).
  std::string_view p_out, e_supply, r_load, exponent, angle, q0, u_min, filter_db, c_tube,
      c_var_min;

  // Ranges: %1 the lower bound, %2 the upper, then the unit after a blank.
  std::string_view from_to, above_at_most, at_least, above;

  // Messages on standard error, after the program's name.
  std::string_view program;         // "valvenet-plan: "
  std::string_view see_help;        // the last line after errors
  std::string_view missing;         // %1 option, %2 range
  std::string_view no_value;        // %1 option, %2 range
  std::string_view not_a_number;    // %1 option, %2 as given, %3 range
  std::string_view list_hint;       // after not_a_number of --freq with a comma
  std::string_view not_finite;      // %1 option, %2 as given, %3 range
  std::string_view out_of_range;    // %1 option, %2 as given, %3 range
  std::string_view u_min_limit;     // %1 option (or file key), %2 as given, %3 0.95 x E
  std::string_view repeated;        // %1 option
  std::string_view unknown_option;  // %1 as given
  std::string_view stray;           // %1 as given
  std::string_view takes_no_value;  // %1 option, %2 the value
  std::string_view not_both;        // --freq and --bands together
  std::string_view no_frequency;    // neither --freq nor --bands
  std::string_view unknown_set;     // %1 as given
  std::string_view unknown_format;  // %1 as given
  std::string_view plot_no_name;
  std::string_view plot_one;  // %1 number of frequencies
  std::string_view bad_arguments;
  std::string_view cannot_write_output;
  std::string_view cannot_write_file;  // %1 path, %2 reason
  // Reasons for the usual errno values: ENOENT, EACCES, ENOSPC, EISDIR,
  // EROFS; any other: %1 the system's text.
  std::string_view no_such_folder, no_permission, disk_full, is_a_folder, read_only, other_reason;

  // --help.
  std::string_view help_title;
  std::string_view help_usage_word;  // before the usage lines: "Usage:"
  std::string_view help_usage, help_starting_values, help_frequencies, help_freq, help_bands,
      help_other, help_raise_q, help_format, help_plot, help_help;
  std::string_view help_help_group;  // the heading of --help's own line
  std::string_view help_footer;

  // The summary's extra line: the bands whose hot capacitance is below the
  // variable capacitor's minimum; %1 the frequencies.
  std::string_view hot_cap_below_min, hot_cap_below_min_none;

  // The plot (its numbers are written with a point, as in the table).

  // The readable table. The Russian labels are the console report's, with
  // their tabs and "= " (taken off when shown).
  std::string_view banner_a, banner_b, inputs_heading;
  std::array<std::string_view, 6> inputs_left;   // P, E, Umin, Ctube, Cvar,min, exponent
  std::array<std::string_view, 5> inputs_right;  // f (unused), Rload, filter, Q0, angle
  std::string_view raise_q_line, raise_q_yes, raise_q_no;
  std::string_view frequency_heading, calculation, completed, refused;
  std::string_view warnings_heading, refused_line, none;  // refused_line: %1 the reason
  std::string_view critical_q;                            // why a design is refused
  std::array<std::string_view, warnings::kWarningCount> warnings;
  std::string_view summary_counts;  // %1 completed, %2 refused
  std::string_view spans_heading, span_c1, span_c_hot, span_l, span_c2, from, to;
  std::string_view duties_heading, duty_current, duty_voltage, duty_reactive, duty_note;
  std::string_view number_word, file_word, range_word;  // placeholders of --help

  // From values to parts: the options of the capacitors' ratings, the coil,
  // the variables, the language and the saved inputs.
  std::string_view millimetre;
  std::string_view help_parts, help_feed, help_margin, help_coil_diameter, help_wire, help_pitch,
      help_c1_max, help_c2_range, help_lang;
  std::string_view help_lang_no_plot;  // --lang of the commands that draw nothing
  std::string_view help_inputs;
  std::string_view unknown_feed;      // %1 as given
  std::string_view unknown_language;  // %1 as given
  std::string_view group_incomplete;  // %1 the options given, %2 the missing ones
  std::string_view pitch_below_wire;  // %1 pitch, %2 wire as given
  std::string_view wire_not_below_d;  // %1 wire, %2 diameter as given
  std::string_view c1_max_not_above;  // %1 --c1-max, %2 --c-var-min as given
  std::string_view c2_range_form;     // %1 the option (or file key), %2 as given
  std::string_view c2_range_order;    // %1 the option (or file key), %2 as given
  std::string_view file_key;          // %1 file, %2 key: names a value from --inputs
  std::string_view cannot_read_file;  // %1 path, %2 reason
  std::string_view no_such_file;
  std::string_view json_syntax;  // %1 path, %2 line, %3 column
  std::string_view unknown_key;  // %1 path, %2 key
  std::string_view wrong_type;   // %1 path, %2 key, %3 what is expected
  std::string_view expect_number, expect_numbers, expect_bool, expect_object, expect_pair,
      expect_feed, expect_network, expect_lang;
  std::string_view feed_shunt, feed_series;  // as the table names them
  std::string_view parts_heading;            // %1 margin, %2 feed
  std::string_view largest_rating;           // %1 the capacitor, %2 V, %3 MHz
  std::string_view capacitor_c1, capacitor_c2, capacitor_blocking;
  std::string_view coil_heading;  // %1 D, %2 wire, %3 pitch, mm
  std::string_view coil_whole;    // %1 turns, %2 length mm, %3 conductor m
  std::string_view coil_tap;      // %1 MHz, %2 turns
  std::string_view coil_failed;   // %1 MHz, %2 the problem
  std::string_view coil_leaves_out;
  std::array<std::string_view, 8> coil_problems;   // by coil::Problem
  std::string_view tuning_unreachable;             // %1 the capacitor, %2 the reason
  std::array<std::string_view, 6> tuning_reasons;  // by tuning::Reason

  // --- The Pi-L tank (--network pi-l, --r-mid): texts of its own. ---
  // --help.
  std::string_view help_network, help_r_mid;
  // Messages on standard error.
  std::string_view unknown_network;       // %1 as given
  std::string_view r_mid_without_pi_l;    // --r-mid with the plain Pi
  std::string_view r_mid_not_above_load;  // %1 Rm, %2 the load resistance
  std::string_view r_mid_not_below_roe;   // %1 Rm, %2 U^2 / P
  // The table: the heading (%1 Rm), the status row, its words, and why a
  // design was refused.
  std::string_view pi_l_heading, pi_l_status, pi_l_completed, pi_l_refused;
  std::string_view pi_l_plain_pi_heading;  // above the plain Pi's grid in a Pi-L run
  std::string_view pi_l_refused_critical_q;
  std::string_view pi_l_refused_r_mid;  // %1 Rm, %2 Roe
  std::string_view pi_l_refused_pi_section;
  std::string_view pi_l_warnings_prefix;  // before each Pi-L warning in the table
  std::string_view pi_l_q_below_1;        // %1 Q_L
  std::string_view pi_l_q_above_10;       // %1 Q_L
  std::string_view pi_l_ranges;           // the summary's heading
  // The labels of the Pi-L's values (plan/pi_l_report.hpp), table and summary.
  std::string_view pi_l_c1_total_pf, pi_l_c_hot_pf, pi_l_l1_uh, pi_l_c2_pf, pi_l_l2_uh, pi_l_r_mid,
      pi_l_r_oe, pi_l_q_loaded, pi_l_q_critical, pi_l_q_l_section, pi_l_eff_network_pct,
      pi_l_eff_total_pct, pi_l_p_h1, pi_l_filter_achieved_db, pi_l_p_h2_out_mw, pi_l_i_c1_a,
      pi_l_u_c1_rms, pi_l_i_l1_a, pi_l_u_l1_rms, pi_l_i_c2_a, pi_l_u_mid_rms, pi_l_i_l2_a,
      pi_l_u_l2_rms, pi_l_u_load_rms, pi_l_passband_khz, pi_l_s11_band_khz, pi_l_s11_at_f,
      pi_l_h2_db, pi_l_h3_db, pi_l_pi_h2_db, pi_l_pi_h3_db;
  // The plot.
  // --- end of the Pi-L's texts. ---
  // --- The loads of an SWR circle (--swr, --smith). ---
  std::string_view help_swr;
  std::string_view help_smith;
  std::string_view smith_no_name;
  std::string_view smith_one;
  std::string_view ampere;
  std::string_view percent;
  std::string_view lr_heading;
  std::string_view lr_pi_l_heading;
  std::string_view lr_none;
  std::string_view lr_filter_warning;
  std::string_view lr_summary_heading;
  std::string_view lr_summary_line;
  std::string_view lr_matched_count;
  std::string_view lr_c_hot_pf_min;
  std::string_view lr_c_hot_pf_max;
  std::string_view lr_c2_pf_min;
  std::string_view lr_c2_pf_max;
  std::string_view lr_i_l_a_max;
  std::string_view lr_i_l2_a_max;
  std::string_view lr_i_c1_a_max;
  std::string_view lr_i_c2_a_max;
  std::string_view lr_u_c2_peak_v_max;
  std::string_view lr_u_load_peak_v_max;
  std::string_view lr_eff_network_pct_min;
  std::string_view lr_filter_db_min;
  std::string_view lr_c2_rating_v;
  std::string_view lr_c1_padder_pf;
  std::string_view lr_c2_padder_pf;
  std::string_view lr_reachable_count;

  // --- The Smith chart of --smith. ---
  std::string_view smith_needs_swr;

  // --- The coil calculator (valvenet-plan coil): texts of its own. ---
  std::string_view help_turns;            // --turns in --help
  std::string_view help_coil_calculator;  // the heading of its group in the program's --help
  std::string_view turns_only_coil;       // --turns given to a design
  std::string_view microhenry, metre;
  // --- end of the coil calculator's texts. ---
  // --- --q0 coil: each band's Q0 from its own coil. ---
  std::string_view q0_coil_needs_coil;   // --q0 coil without the coil options
  std::string_view q0_used;              // the label of the Q0 a band was designed with
  std::string_view q0_coil_clamped;      // %1 the coil's Q
  std::string_view q0_coil_not_settled;  // %1 rounds
  std::string_view q0_coil_too_low;      // %1 the coil's Q, %2 the lowest Q0
  std::string_view q0_coil_no_coil;      // %1 the coil's problem
  std::string_view q0_from_coil;         // the starting values' Q0 when each band has its own
  // The summary's whole winding, and a band's harmonics near a self-resonance.
  std::string_view coil_whole_resonance;  // %1 self-capacitance pF, %2 self-resonance MHz
  std::string_view coil_near_whole;       // %1 the harmonics ("f, 3f"), %2 MHz
  std::string_view coil_near_part;        // %1 the harmonics, %2 MHz
  // --- end of --q0 coil's texts. ---
  std::string_view answers_heading, answers_heading_pi_l;  // the page's first table
  // --- The shunt feed: the anode choke and the blocking capacitor. ---
  std::string_view help_feed_group;  // the heading of their group in --help
  std::string_view help_choke_diameter, help_choke_wire, help_choke_pitch, help_choke_turns,
      help_choke_series, help_choke_guard, help_blocking_pf;
  std::string_view help_choke_search;  // the heading of valvenet-plan choke's group
  std::string_view help_choke_x_min;
  FeedTexts feed;    // the rest of their texts
  PartTexts parts;   // the parts' rows
  ChartTexts chart;  // the response plot's and the Smith chart's
  CoilTexts coil;    // the coil calculator's

  // Nouns after a count, by plural_form (plan/texts/plural.hpp).
  CountedWord loads, matched_loads, rounds;
};

// One text of the texts, named by its field.
using TextField = std::string_view PlanTexts::*;

// The pattern with %1 ... %9 replaced by the arguments in order (a list of
// strings or of views); a placeholder with no argument stays as it is.
template <class Args>
std::string fill_from(std::string_view pattern, const Args& args) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      out += *(args.begin() + static_cast<std::ptrdiff_t>(index));
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

inline std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return fill_from(pattern, args);
}

}  // namespace plan
