#pragma once

// The texts of the shunt feed's parts, by field: the anode choke and the
// blocking capacitor in the designs, their warnings and summary, the
// response plot's marks and valvenet-plan choke. One struct both languages
// fill (plan/texts/feed_texts_ru.hpp, feed_texts_en.hpp), a member of
// PlanTexts; the options' help texts are PlanTexts' own, where the table of
// options names them.

#include <array>
#include <string_view>

namespace plan {

struct FeedTexts {
  // Messages on standard error.
  std::string_view feed_options_series;     // %1 the option (or the file's key)
  std::string_view choke_option_alone;      // %1 the option
  std::string_view choke_pitch_below_wire;  // %1 pitch, %2 wire
  std::string_view choke_wire_not_below_d;  // %1 wire, %2 diameter
  std::string_view x_min_only_choke;        // --choke-x-min given to a design

  // The designs' rows: the choke, then the blocking capacitor.
  std::string_view choke_x, choke_r, choke_z, choke_i_rf, choke_loss, choke_delta_c1,
      choke_c1_reachable, choke_series_near, choke_series_pct, choke_i_dc, choke_dc_drop,
      choke_density;
  std::string_view yes, no;  // the choke_c1_reachable row's words
  std::string_view blocking_c_min, blocking_c, blocking_x_pct, blocking_i_rf, blocking_q;

  // Warnings of a band (numbers with a point, as in the table).
  std::string_view choke_near_series;     // %1 guard %, %2 f_series MHz, %3 distance %
  std::string_view choke_uncalibrated;    // appended to choke_near_series
  std::string_view choke_c1_unreachable;  // %1 the change, pF, %2 the reason
  std::string_view choke_loss_high;       // %1 W, %2 the limit, % of the output power
  std::string_view choke_density_high;    // %1 A/mm^2, %2 the limit
  std::string_view blocking_small;        // %1 pF, %2 % of Roe, %3 the limit %, %4 the least pF

  // The summary's lines of the choke.
  std::string_view choke_heading;        // %1 D, %2 wire, %3 pitch, mm, %4 turns
  std::string_view choke_l_line;         // %1 uH, %2 winding mm, %3 R_dc ohm
  std::string_view choke_parallel_line;  // %1 the list, MHz
  std::string_view choke_series_line;    // %1 the list, MHz
  std::string_view choke_calibrated;     // %1 the measured MHz, %2 the model's own MHz
  std::string_view choke_uncalibrated_line;

  // The response plot's mark of a series resonance of the choke: %1 MHz.
  std::string_view plot_choke_series;

  // valvenet-plan choke.
  std::string_view choke_see_help;  // the last line after the command's errors
  std::string_view choke_help_title, choke_help_usage, choke_help_format, choke_help_footer;
  std::string_view cs_heading;   // %1 D, %2 wire, %3 pitch, mm
  std::string_view cs_floor;     // %1 f MHz, %2 Roe ohm, %3 x_min, %4 X ohm
  std::string_view cs_interval;  // %1, %2 turns
  std::string_view cs_title;     // %1 its place, %2 turns
  std::string_view cs_l, cs_margin, cs_band, cs_series, cs_x, cs_delta_c1;
  std::string_view cs_parallel_list, cs_series_list;  // %1 the list, MHz
  std::string_view cs_none;                           // %1 why
  std::string_view cs_below_minimum;                  // %1 most turns, %2 f MHz, %3 X ohm
  std::string_view cs_at_band, cs_invalid, cs_no_design;
  std::string_view cs_note;
};

// One text of the feed's texts, named by its field.
using FeedField = std::string_view FeedTexts::*;

// Every field of FeedTexts, for the test that both languages give each; a
// field left out stops the build.
inline constexpr std::array<FeedField, 60> kFeedTextFields{{
    &FeedTexts::feed_options_series,
    &FeedTexts::choke_option_alone,
    &FeedTexts::choke_pitch_below_wire,
    &FeedTexts::choke_wire_not_below_d,
    &FeedTexts::x_min_only_choke,
    &FeedTexts::choke_x,
    &FeedTexts::choke_r,
    &FeedTexts::choke_z,
    &FeedTexts::choke_i_rf,
    &FeedTexts::choke_loss,
    &FeedTexts::choke_delta_c1,
    &FeedTexts::choke_c1_reachable,
    &FeedTexts::choke_series_near,
    &FeedTexts::choke_series_pct,
    &FeedTexts::choke_i_dc,
    &FeedTexts::choke_dc_drop,
    &FeedTexts::choke_density,
    &FeedTexts::yes,
    &FeedTexts::no,
    &FeedTexts::blocking_c_min,
    &FeedTexts::blocking_c,
    &FeedTexts::blocking_x_pct,
    &FeedTexts::blocking_i_rf,
    &FeedTexts::blocking_q,
    &FeedTexts::choke_near_series,
    &FeedTexts::choke_uncalibrated,
    &FeedTexts::choke_c1_unreachable,
    &FeedTexts::choke_loss_high,
    &FeedTexts::choke_density_high,
    &FeedTexts::blocking_small,
    &FeedTexts::choke_heading,
    &FeedTexts::choke_l_line,
    &FeedTexts::choke_parallel_line,
    &FeedTexts::choke_series_line,
    &FeedTexts::choke_calibrated,
    &FeedTexts::choke_uncalibrated_line,
    &FeedTexts::plot_choke_series,
    &FeedTexts::choke_see_help,
    &FeedTexts::choke_help_title,
    &FeedTexts::choke_help_usage,
    &FeedTexts::choke_help_format,
    &FeedTexts::choke_help_footer,
    &FeedTexts::cs_heading,
    &FeedTexts::cs_floor,
    &FeedTexts::cs_interval,
    &FeedTexts::cs_title,
    &FeedTexts::cs_l,
    &FeedTexts::cs_margin,
    &FeedTexts::cs_band,
    &FeedTexts::cs_series,
    &FeedTexts::cs_x,
    &FeedTexts::cs_delta_c1,
    &FeedTexts::cs_parallel_list,
    &FeedTexts::cs_series_list,
    &FeedTexts::cs_none,
    &FeedTexts::cs_below_minimum,
    &FeedTexts::cs_at_band,
    &FeedTexts::cs_invalid,
    &FeedTexts::cs_no_design,
    &FeedTexts::cs_note,
}};
static_assert(sizeof(FeedTexts) == kFeedTextFields.size() * sizeof(std::string_view));

}  // namespace plan
