#include "plan/report/tank_outputs.hpp"

#include <algorithm>
#include <cmath>

#include "plan/report/coil_q.hpp"
#include "plan/report/pi_l_report.hpp"
#include "plan/texts/number_text.hpp"
#include "printer/results.hpp"

namespace plan {

namespace {

// The ratings of either network and, with an SWR, the ranges the
// variables must cover and the worst C2 rating.
const std::vector<AnswerKey> kRatingAnswers{
    {"c1_rating_v", "ratings"}, {"c2_rating_v", "ratings"}, {"blocking_rating_v", "ratings"},
    {"c_hot_pf_min", ""},       {"c_hot_pf_max", ""},       {"c2_pf_min", ""},
    {"c2_pf_max", ""},          {"c2_rating_v", ""}};

// The plain Pi of a design.
bool pi_completed(const Design& d) {
  return d.completed();
}

std::string_view pi_status_key(const Design& d) {
  return d.completed() ? "completed" : "refused";
}

std::string_view pi_status_text(const PlanTexts& t, const Design& d) {
  return d.completed() ? t.completed : t.refused;
}

// Why a band was refused for its coil's sake (--q0 coil); empty when it was not.
std::string coil_refusal(const PlanTexts& t, const Design& d) {
  if (!d.coil_q || d.coil_q->usable()) return {};
  if (d.coil_q->status == CoilQStatus::no_coil) {
    return fill(t.q0_coil_no_coil,
                {t.coil_problems.at(static_cast<std::size_t>(d.coil_q->problem))});
  }
  const float lowest = starting_values::dialog_range::q_unloaded.low;
  return fill(t.q0_coil_too_low,
              {float_text(std::round(static_cast<float>(d.coil_q->coil_q))), float_text(lowest)});
}

std::string pi_reason(const PlanTexts& t, const Design& d) {
  if (d.completed()) return {};
  const std::string coil = coil_refusal(t, d);
  return coil.empty() ? std::string(t.critical_q) : coil;
}

std::string pi_refusal_line(const PlanTexts& t, const Design& d) {
  if (d.completed()) return {};
  const std::string coil = coil_refusal(t, d);
  return coil.empty() ? fill(t.refused_line, {t.critical_q}) : std::string(t.refused) + ": " + coil;
}

std::vector<std::string> pi_warnings(const PlanTexts& t, const Design& d) {
  std::vector<std::string> out;
  for (const std::string_view w : warning_texts(d, t)) out.emplace_back(w);
  if (!d.coil_q || !d.completed()) return out;
  if (d.coil_q->status == CoilQStatus::clamped) {
    const float q = std::round(static_cast<float>(d.coil_q->coil_q));
    out.push_back(fill(t.q0_coil_clamped, {float_text(q)}));
  } else if (d.coil_q->status == CoilQStatus::not_settled) {
    out.push_back(
        fill(t.q0_coil_not_settled,
             {counted(t.language, static_cast<std::uint64_t>(d.coil_q->rounds), t.rounds)}));
  }
  return out;
}

std::string_view pi_q0_status(const Design& d) {
  return d.coil_q ? coil_q_status_key(d.coil_q->status) : std::string_view();
}

std::int32_t pi_hot_cap(const Design& d) {
  return d.record.hot_cap_warning;
}

// The Pi-L of a design; a design without one has a refused Pi-L.
bool pi_l_completed(const Design& d) {
  return d.pi_l && d.pi_l->design.completed();
}

std::string_view pi_l_status_key_of(const Design& d) {
  return d.pi_l ? pi_l_status_key(d.pi_l->design.outcome) : "refused";
}

std::string_view pi_l_status_text(const PlanTexts& t, const Design& d) {
  return pi_l_completed(d) ? t.pi_l_completed : t.pi_l_refused;
}

std::string pi_l_reason(const PlanTexts& t, const Design& d) {
  return d.pi_l ? pi_l_refusal(*d.pi_l, t) : coil_refusal(t, d);
}

std::string pi_l_refusal_line(const PlanTexts& t, const Design& d) {
  const std::string why = pi_l_reason(t, d);
  return why.empty() ? why : std::string(t.pi_l_refused) + ": " + why;
}

std::vector<std::string> pi_l_warnings(const PlanTexts& t, const Design& d) {
  return d.pi_l ? pi_l_warning_texts(*d.pi_l, t) : std::vector<std::string>();
}

std::int32_t pi_l_hot_cap(const Design& d) {
  return d.pi_l ? d.pi_l->design.hot_cap_warning : 0;
}

// The plain Pi's lines: the numbered values of the file report, then the
// plan's own values of the network.
void add_pi_lines(TankOutputs& tank, const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  const auto& lines = results::lines(text::Encoding::utf8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const results::Line& line = lines[i];
    tank.lines.push_back({line.key, line.coeff != nullptr ? "pulse_coeffs" : "results",
                          result_label(t, i), [&line](const Design& d) -> std::optional<float> {
                            if (!d.completed()) return std::nullopt;
                            return results::value(line, d.record.results, d.record.pulse_coeffs);
                          }});
  }
  for (const PlanLine& line : kPiPlanLines) {
    if (line.shown != nullptr && !line.shown(report)) continue;
    tank.lines.push_back({line.key, "results", std::string(t.*line.label),
                          [&line](const Design& d) -> std::optional<float> {
                            if (!d.completed()) return std::nullopt;
                            return line.value(d);
                          }});
  }
}

// The plain Pi: the numbered values of the file report, then its parts.
TankOutputs plain_pi(const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  TankOutputs tank;
  if (report.network == TankKind::pi_l) tank.heading = t.pi_l_plain_pi_heading;
  tank.status_label = t.calculation;
  add_pi_lines(tank, report);
  tank.design = {pi_completed, pi_status_key, pi_status_text, pi_refusal_line,
                 nullptr,      pi_warnings,   pi_hot_cap};
  if (report.q0_coil) {
    tank.design.reason = pi_reason;
    tank.design.q0_status = pi_q0_status;
  }
  tank.hot_cap_column = output_key::hot_cap_warning;
  tank.part_groups = {PartGroup::ratings, PartGroup::coil, PartGroup::tuning};
  tank.parts_note = t.coil_leaves_out;
  tank.parts = &report.parts;
  tank.circles = &pi_circles();
  tank.smith_title = t.chart.smith_title_pi;
  tank.answers_heading = t.answers_heading;
  tank.answers = {{"c1_total_pf", "results"},
                  {"c1_setting_pf", "tuning"},
                  {"l_uh", "results"},
                  {"turns", "coil"},
                  {"c2_pf", "results"},
                  {"c2_setting_pf", "tuning"},
                  {"q_loaded", "results"},
                  {"eff_network_pct", "results"},
                  {"filter_achieved_db", "results"}};
  tank.answers.insert(tank.answers.end(), kRatingAnswers.begin(), kRatingAnswers.end());
  tank.stage = [](const Design& d) { return retune::from_pi_record(d.record); };
  tank.parts_summary = &report.parts_summary;
  tank.span_heading = t.spans_heading;
  tank.ranges_key = output_key::ranges;
  tank.span_values = &kPiSpans;
  tank.spans = &report.summary.spans;
  return tank;
}

// The Pi-L: its values with the plain Pi's discriminations beside them,
// then its parts.
TankOutputs pi_l(const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  TankOutputs tank;
  tank.heading = fill(t.pi_l_heading, {float_text(report.r_mid)});
  tank.status_label = t.pi_l_status;
  tank.text_prefix = t.pi_l_warnings_prefix;
  for (const PiLLine& line : kPiLLines) {
    tank.lines.push_back({line.key, "", std::string(t.*line.label),
                          [&line](const Design& d) -> std::optional<float> {
                            if (!d.pi_l) return std::nullopt;
                            const float v = pi_l_value(line, *d.pi_l, d.f_mhz);
                            const bool known = line.beside != nullptr ? !std::isnan(v)
                                                                      : d.pi_l->design.completed();
                            return known ? std::optional<float>(v) : std::nullopt;
                          }});
  }
  tank.design = {pi_l_completed, pi_l_status_key_of, pi_l_status_text, pi_l_refusal_line,
                 pi_l_reason,    pi_l_warnings,      pi_l_hot_cap};
  tank.key_prefix = "pi_l_";
  tank.json_key = "pi_l";
  tank.network_column = network_name(TankKind::pi_l);
  tank.part_groups = {PartGroup::ratings, PartGroup::coil, PartGroup::tuning, PartGroup::l2_coil};
  tank.parts = &report.pi_l_parts;
  tank.circles = &pi_l_circles();
  tank.smith_title = t.chart.smith_title_pi_l;
  tank.answers_heading = t.answers_heading_pi_l;
  tank.answers = {{"c1_total_pf", ""},
                  {"c1_setting_pf", "tuning"},
                  {"l1_uh", ""},
                  {"turns", "coil"},
                  {"c2_pf", ""},
                  {"c2_setting_pf", "tuning"},
                  {"l2_uh", ""},
                  {"turns", "l2_coil"},
                  {"q_loaded", ""},
                  {"eff_network_pct", ""},
                  {"filter_achieved_db", ""}};
  tank.answers.insert(tank.answers.end(), kRatingAnswers.begin(), kRatingAnswers.end());
  tank.stage = [](const Design& d) {
    return retune::from_pi_l_design(d.pi_l->design, d.record.inputs);
  };
  tank.parts_summary = &report.pi_l_parts_summary;
  tank.span_heading = t.pi_l_ranges;
  tank.ranges_key = "pi_l_ranges";
  tank.parts_key = "pi_l_parts";
  tank.span_values = &kPiLSpans;
  tank.spans = &report.summary.pi_l_spans;
  return tank;
}

}  // namespace

// After the file report's values: the Q0 each band was designed with, with --q0 coil.
const std::vector<PlanLine> kPiPlanLines{
    {"q0_used", &PlanTexts::q0_used,
     [](const Design& d) { return d.coil_q ? d.coil_q->q0_used : d.record.start.q_unloaded; },
     [](const PlanReport& r) { return r.q0_coil; }},
};

const PlanTexts& texts_of(const PlanReport& report) {
  return plan_texts(report.language);
}

std::vector<TankOutputs> tank_outputs(const PlanReport& report) {
  std::vector<TankOutputs> out;
  out.push_back(plain_pi(report));
  if (report.network == TankKind::pi_l) out.push_back(pi_l(report));
  return out;
}

std::vector<const PartLine*> part_lines(const PlanReport& report, const TankOutputs& tank) {
  std::vector<const PartLine*> out;
  if (tank.parts == nullptr || tank.parts->size() != report.designs.size()) return out;
  for (const PartLine& line : kPartLines) {
    const bool own = std::find(tank.part_groups.begin(), tank.part_groups.end(), line.group) !=
                     tank.part_groups.end();
    if (own && shows(line.group, report.parts_options)) out.push_back(&line);
  }
  return out;
}

const Parts* parts_at(const TankOutputs& tank, std::size_t k) {
  if (tank.parts == nullptr || k >= tank.parts->size() || !(*tank.parts)[k]) return nullptr;
  return &*(*tank.parts)[k];
}

std::string_view part_label(const PlanTexts& t, const PartLine& line) {
  return t.parts.*line.label;
}

std::vector<std::string_view> warning_texts(const Design& design, const PlanTexts& t) {
  std::vector<std::string_view> out;
  if (!design.completed()) return out;
  for (const warnings::Warning w : design.record.warnings) {
    out.push_back(t.warnings.at(static_cast<std::size_t>(w)));
  }
  return out;
}

namespace {

// "f, 3f": the harmonics near a self-resonance; empty for none.
std::string harmonics_text(double f_hz, double srf_hz) {
  std::string out;
  for (const int h : coil_loss::harmonics_near(f_hz, srf_hz)) {
    if (!out.empty()) out += ", ";
    out += (h == 1 ? std::string() : std::to_string(h)) + 'f';
  }
  return out;
}

}  // namespace

std::vector<std::string> coil_resonance_warnings(const PlanTexts& t, const TankOutputs& tank,
                                                 std::size_t k, float f_mhz) {
  constexpr double kHzPerMhz = 1e6;
  std::vector<std::string> out;
  const Parts* p = parts_at(tank, k);
  if (p == nullptr) return out;
  const double f_hz = static_cast<double>(f_mhz) * kHzPerMhz;
  const auto near = [&](TextField text, double srf_hz) {
    const std::string h = harmonics_text(f_hz, srf_hz);
    const float srf_mhz = std::round(static_cast<float>(srf_hz / kHzPerMhz) * 100.0f) / 100.0f;
    if (!h.empty()) out.push_back(fill(t.*text, {h, float_text(srf_mhz)}));
  };
  if (tank.parts_summary != nullptr && tank.parts_summary->whole) {
    near(&PlanTexts::coil_near_whole, tank.parts_summary->whole->srf_hz);
  }
  if (p->coil_at_f) near(&PlanTexts::coil_near_part, p->coil_at_f->srf_hz);
  return out;
}

std::vector<std::string> parts_problems(const PlanTexts& t, const Parts* p) {
  std::vector<std::string> out;
  if (p == nullptr) return out;
  if (p->coil && p->coil->problem != coil::Problem::none) {
    out.emplace_back(t.coil_problems.at(static_cast<std::size_t>(p->coil->problem)));
  }
  if (p->l2_coil && p->l2_coil->problem != coil::Problem::none) {
    out.push_back("L2: " +
                  std::string(t.coil_problems.at(static_cast<std::size_t>(p->l2_coil->problem))));
  }
  const auto variable = [&](const std::optional<tuning::Setting>& s, std::string_view name) {
    if (s && !s->reachable) {
      out.push_back(fill(t.tuning_unreachable,
                         {name, t.tuning_reasons.at(static_cast<std::size_t>(s->reason))}));
    }
  };
  variable(p->c1, t.capacitor_c1);
  variable(p->c2, t.capacitor_c2);
  return out;
}

}  // namespace plan
