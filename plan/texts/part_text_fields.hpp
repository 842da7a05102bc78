#pragma once

// The labels of the parts' rows (plan/report/parts.hpp, kPartLines), by
// field: one struct both languages fill (part_texts_ru.hpp,
// part_texts_en.hpp), a member of PlanTexts. A field is named by its CSV
// column.

#include <array>
#include <string_view>

namespace plan {

struct PartTexts {
  std::string_view c1_peak_v;
  std::string_view c1_rating_v;
  std::string_view c2_peak_v;
  std::string_view c2_rating_v;
  std::string_view blocking_rating_v;
  std::string_view coil_turns;
  std::string_view coil_length_mm;
  std::string_view coil_conductor_m;
  std::string_view c1_setting_pf;
  std::string_view c1_padder_pf;
  std::string_view c2_setting_pf;
  std::string_view c2_padder_pf;
  std::string_view l2_coil_turns;
  std::string_view l2_coil_length_mm;
  std::string_view l2_coil_conductor_m;
  std::string_view coil_q;
  std::string_view coil_q_apparent;
  std::string_view coil_r_ohm;
  std::string_view coil_c_self_pf;
  std::string_view coil_srf_mhz;
  std::string_view l2_coil_q;
  std::string_view l2_coil_q_apparent;
  std::string_view l2_coil_r_ohm;
  std::string_view l2_coil_c_self_pf;
  std::string_view l2_coil_srf_mhz;
  std::string_view coil_eff_network_pct;
};

// Every field, for the test that both languages give each; a field left
// out stops the build.
inline constexpr std::array<std::string_view PartTexts::*, 26> kPartTextFields{{
    &PartTexts::c1_peak_v,           &PartTexts::c1_rating_v,
    &PartTexts::c2_peak_v,           &PartTexts::c2_rating_v,
    &PartTexts::blocking_rating_v,   &PartTexts::coil_turns,
    &PartTexts::coil_length_mm,      &PartTexts::coil_conductor_m,
    &PartTexts::c1_setting_pf,       &PartTexts::c1_padder_pf,
    &PartTexts::c2_setting_pf,       &PartTexts::c2_padder_pf,
    &PartTexts::l2_coil_turns,       &PartTexts::l2_coil_length_mm,
    &PartTexts::l2_coil_conductor_m, &PartTexts::coil_q,
    &PartTexts::coil_q_apparent,     &PartTexts::coil_r_ohm,
    &PartTexts::coil_c_self_pf,      &PartTexts::coil_srf_mhz,
    &PartTexts::l2_coil_q,           &PartTexts::l2_coil_q_apparent,
    &PartTexts::l2_coil_r_ohm,       &PartTexts::l2_coil_c_self_pf,
    &PartTexts::l2_coil_srf_mhz,     &PartTexts::coil_eff_network_pct,
}};
static_assert(sizeof(PartTexts) == kPartTextFields.size() * sizeof(std::string_view));

}  // namespace plan
