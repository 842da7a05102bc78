#include "plan/report/pi_l_report.hpp"

#include <array>

#include "plan/texts/number_text.hpp"

namespace plan {

namespace {

using T = PlanTexts;
using R = design::PiLResults;
using C = PiLColumn;

// A number in a message: fixed decimals, the point as in the table.
std::string message_number(float v, int decimals) {
  return fixed_text(static_cast<double>(v), decimals);
}

}  // namespace

std::string_view pi_l_status_key(design::PiLOutcome o) {
  switch (o) {
    case design::PiLOutcome::completed:
      return "completed";
    case design::PiLOutcome::refused_critical_q:
      return "refused_critical_q";
    case design::PiLOutcome::refused_r_mid:
      return "refused_r_mid";
    case design::PiLOutcome::refused_pi_section:
      return "refused_pi_section";
  }
  return "refused";
}

// In the order of the table: the elements, the Pi-L's figures, the element
// duties, the bands, and the discriminations with the plain Pi's beside them.
const std::array<PiLLine, kPiLLineCount> kPiLLines{{
    {"c1_total_pf", &T::pi_l_c1_total_pf, &R::c1_total_pf, nullptr},
    {"c_hot_pf", &T::pi_l_c_hot_pf, &R::c_hot_pf, nullptr},
    {"l1_uh", &T::pi_l_l1_uh, &R::l1_uh, nullptr},
    {"c2_pf", &T::pi_l_c2_pf, &R::c2_pf, nullptr},
    {"l2_uh", &T::pi_l_l2_uh, &R::l2_uh, nullptr},
    {"r_mid", &T::pi_l_r_mid, &R::r_mid, nullptr},
    {"r_oe", &T::pi_l_r_oe, &R::r_oe, nullptr},
    {"q_loaded", &T::pi_l_q_loaded, &R::q_loaded, nullptr},
    {"q_critical", &T::pi_l_q_critical, &R::q_critical, nullptr},
    {"q_l_section", &T::pi_l_q_l_section, &R::q_l_section, nullptr},
    {"eff_network_pct", &T::pi_l_eff_network_pct, &R::eff_network_pct, nullptr},
    {"eff_total_pct", &T::pi_l_eff_total_pct, &R::eff_total_pct, nullptr},
    {"p_h1", &T::pi_l_p_h1, &R::p_h1, nullptr},
    {"filter_achieved_db", &T::pi_l_filter_achieved_db, &R::filter_achieved_db, nullptr},
    {"p_h2_out_mw", &T::pi_l_p_h2_out_mw, &R::p_h2_out_mw, nullptr},
    {"i_c1_a", &T::pi_l_i_c1_a, &R::i_c1_a, nullptr},
    {"u_c1_rms", &T::pi_l_u_c1_rms, &R::u_c1_rms, nullptr},
    {"i_l1_a", &T::pi_l_i_l1_a, &R::i_l1_a, nullptr},
    {"u_l1_rms", &T::pi_l_u_l1_rms, &R::u_l1_rms, nullptr},
    {"i_c2_a", &T::pi_l_i_c2_a, &R::i_c2_a, nullptr},
    {"u_mid_rms", &T::pi_l_u_mid_rms, &R::u_mid_rms, nullptr},
    {"i_l2_a", &T::pi_l_i_l2_a, &R::i_l2_a, nullptr},
    {"u_l2_rms", &T::pi_l_u_l2_rms, &R::u_l2_rms, nullptr},
    {"u_load_rms", &T::pi_l_u_load_rms, &R::u_load_rms, nullptr},
    {"passband_khz", &T::pi_l_passband_khz, &R::passband_khz, nullptr},
    {"s11_band_khz", &T::pi_l_s11_band_khz, &R::s11_band_khz, nullptr},
    {"s11_at_f", &T::pi_l_s11_at_f, &R::s11_at_f, nullptr},
    {"h2_db", &T::pi_l_h2_db, &R::h2_db, nullptr},
    {"h3_db", &T::pi_l_h3_db, &R::h3_db, nullptr},
    {"pi_h2_db", &T::pi_l_pi_h2_db, nullptr, &C::pi_h2_db},
    {"pi_h3_db", &T::pi_l_pi_h3_db, nullptr, &C::pi_h3_db},
}};

float pi_l_value(const PiLLine& line, const PiLColumn& column, float f_mhz) {
  if (line.computed != nullptr) return line.computed(column, f_mhz);
  return line.beside != nullptr ? column.*line.beside : column.design.results.*line.result;
}

std::string pi_l_refusal(const PiLColumn& column, const PlanTexts& t) {
  const design::PiLResults& r = column.design.results;
  switch (column.design.outcome) {
    case design::PiLOutcome::completed:
      return {};
    case design::PiLOutcome::refused_critical_q:
      return std::string(t.pi_l_refused_critical_q);
    case design::PiLOutcome::refused_r_mid:
      return fill(t.pi_l_refused_r_mid, {message_number(r.r_mid, 1), message_number(r.r_oe, 1)});
    case design::PiLOutcome::refused_pi_section:
      return std::string(t.pi_l_refused_pi_section);
  }
  return {};
}

std::vector<std::string> pi_l_warning_texts(const PiLColumn& column, const PlanTexts& t) {
  std::vector<std::string> out;
  if (!column.design.completed()) return out;
  for (const warnings::Warning w : column.design.warnings)
    out.emplace_back(t.warnings.at(static_cast<std::size_t>(w)));
  const std::string q_l = message_number(column.design.results.q_l_section, 3);
  if (column.design.l_section_q == warnings::LSectionQ::below_1) {
    out.push_back(fill(t.pi_l_q_below_1, {q_l}));
  } else if (column.design.l_section_q == warnings::LSectionQ::above_10) {
    out.push_back(fill(t.pi_l_q_above_10, {q_l}));
  }
  return out;
}

}  // namespace plan
