#pragma once

// The coil calculator's texts (valvenet-plan coil), by field: its help,
// its headings, the labels of its values and its warnings. One struct both
// languages fill (coil_texts_ru.hpp, coil_texts_en.hpp), a member of
// PlanTexts; the options' help is PlanTexts' own.

#include <array>
#include <string_view>

namespace plan {

struct CoilTexts {
  std::string_view coil_see_help;  // the last line after the calculator's errors
  std::string_view coil_help_title, coil_help_usage, coil_help_format, coil_help_footer;
  std::string_view coil_calc_heading;  // %1 D, %2 wire, %3 pitch, mm, %4 turns
  std::string_view coil_calc_at;       // %1 f, MHz
  // The labels of the values, before their units.
  std::string_view coil_l, coil_winding, coil_wire_length, coil_r_dc, coil_r_ac, coil_phi, coil_r,
      coil_q, coil_q_apparent, coil_c_self, coil_srf;
  std::string_view coil_near_resonance;    // %1 f_srf, MHz
  std::string_view coil_skin_undeveloped;  // beside the Q
};

// Every field, for the test that both languages give each; a field left
// out stops the build.
inline constexpr std::array<std::string_view CoilTexts::*, 20> kCoilTextFields{{
    &CoilTexts::coil_see_help,
    &CoilTexts::coil_help_title,
    &CoilTexts::coil_help_usage,
    &CoilTexts::coil_help_format,
    &CoilTexts::coil_help_footer,
    &CoilTexts::coil_calc_heading,
    &CoilTexts::coil_calc_at,
    &CoilTexts::coil_l,
    &CoilTexts::coil_winding,
    &CoilTexts::coil_wire_length,
    &CoilTexts::coil_r_dc,
    &CoilTexts::coil_r_ac,
    &CoilTexts::coil_phi,
    &CoilTexts::coil_r,
    &CoilTexts::coil_q,
    &CoilTexts::coil_q_apparent,
    &CoilTexts::coil_c_self,
    &CoilTexts::coil_srf,
    &CoilTexts::coil_near_resonance,
    &CoilTexts::coil_skin_undeveloped,
}};
static_assert(sizeof(CoilTexts) == kCoilTextFields.size() * sizeof(std::string_view));

}  // namespace plan
