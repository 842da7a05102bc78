#pragma once

// The texts of valvenet-plan's drawings, by field: the response plot and
// the Smith chart. One struct both languages fill (chart_texts_ru.hpp,
// chart_texts_en.hpp), a member of PlanTexts; the messages about --plot and
// --smith are PlanTexts' own.

#include <array>
#include <string_view>

namespace plan {

struct ChartTexts {
  // The response plot (--plot).
  std::string_view plot_network_at;  // %1 f, MHz
  std::string_view plot_title;       // %1 the network
  std::string_view plot_refused;     // %1 the refusal line
  std::string_view plot_no_curves;
  std::string_view plot_elements;  // %1 C1, %2 L, %3 C2, %4 QL, %5 Q0, %6 Roe, %7 Rload
  std::string_view plot_response_panel, plot_db, plot_s11_panel, plot_frequency_axis;
  std::string_view plot_mark;         // %1 f, 2f or 3f, %2 MHz
  std::string_view plot_level;        // %1 dB
  std::string_view plot_suppression;  // %1 dB
  std::string_view plot_response_legend;
  std::string_view plot_band_1db;  // %1 the band on the curve
  std::string_view plot_band_1db_none;
  std::string_view plot_s11_legend;
  std::string_view plot_band_s11;  // %1 the band
  std::string_view plot_band_s11_none;
  std::string_view plot_band;         // %1 low, %2 high MHz, %3 width kHz
  std::string_view plot_generator;    // %1 U, V
  std::string_view plot_table_bands;  // %1 -1 dB band, %2 S11 band, kHz
  std::string_view plot_which_is_which;
  std::string_view plot_suppression_note;  // %1 dB

  // The Pi-L's response plot.
  std::string_view plot_pi_l_network_at;  // %1 f, MHz
  std::string_view plot_pi_l_refused;     // %1 the reason
  std::string_view
      plot_pi_l_elements;  // %1 C1, %2 L1, %3 C2, %4 L2, %5 Rm, %6 QL, %7 Q0, %8 Roe, %9 Rload
  std::string_view plot_pi_l_s11_panel;
  std::string_view plot_pi_l_suppression_note;  // %1 dB, %2 and %3 the plain Pi's at 2f and 3f
  std::string_view plot_pi_l_no_curves;

  // The Smith chart (--smith).
  std::string_view smith_title_pi;
  std::string_view smith_title_pi_l;
  std::string_view smith_subtitle;
  std::string_view smith_refused;
  std::string_view smith_matched;
  std::string_view smith_not_matched;
  std::string_view smith_design_load;
  std::string_view smith_swr;
  std::string_view smith_region;
  std::string_view smith_resistance;
  std::string_view smith_reactance;
};

// Every field, for the test that both languages give each; a field left
// out stops the build.
inline constexpr std::array<std::string_view ChartTexts::*, 40> kChartTextFields{{
    &ChartTexts::plot_network_at,
    &ChartTexts::plot_title,
    &ChartTexts::plot_refused,
    &ChartTexts::plot_no_curves,
    &ChartTexts::plot_elements,
    &ChartTexts::plot_response_panel,
    &ChartTexts::plot_db,
    &ChartTexts::plot_s11_panel,
    &ChartTexts::plot_frequency_axis,
    &ChartTexts::plot_mark,
    &ChartTexts::plot_level,
    &ChartTexts::plot_suppression,
    &ChartTexts::plot_response_legend,
    &ChartTexts::plot_band_1db,
    &ChartTexts::plot_band_1db_none,
    &ChartTexts::plot_s11_legend,
    &ChartTexts::plot_band_s11,
    &ChartTexts::plot_band_s11_none,
    &ChartTexts::plot_band,
    &ChartTexts::plot_generator,
    &ChartTexts::plot_table_bands,
    &ChartTexts::plot_which_is_which,
    &ChartTexts::plot_suppression_note,
    &ChartTexts::plot_pi_l_network_at,
    &ChartTexts::plot_pi_l_refused,
    &ChartTexts::plot_pi_l_elements,
    &ChartTexts::plot_pi_l_s11_panel,
    &ChartTexts::plot_pi_l_suppression_note,
    &ChartTexts::plot_pi_l_no_curves,
    &ChartTexts::smith_title_pi,
    &ChartTexts::smith_title_pi_l,
    &ChartTexts::smith_subtitle,
    &ChartTexts::smith_refused,
    &ChartTexts::smith_matched,
    &ChartTexts::smith_not_matched,
    &ChartTexts::smith_design_load,
    &ChartTexts::smith_swr,
    &ChartTexts::smith_region,
    &ChartTexts::smith_resistance,
    &ChartTexts::smith_reactance,
}};
static_assert(sizeof(ChartTexts) == kChartTextFields.size() * sizeof(std::string_view));

}  // namespace plan
