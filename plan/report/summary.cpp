#include "plan/report/summary.hpp"

#include <cmath>
#include <string>

#include "main/design.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

// The widest field the number form allows: wide enough for every value a
// stage design gives (up to 1e35 with three decimals).
constexpr int kCompareWidth = 40;

std::string printed(float v, int decimals) {
  return numform::fixed(v, kCompareWidth, decimals);
}

struct DutyExtremes {
  Extremes current{kCurrentDecimals}, voltage{kVoltageDecimals}, reactive{kReactiveDecimals};

  void visit(float current_a, float reactive_var, float f_mhz) {
    current.visit(current_a, f_mhz);
    voltage.visit(reactive_var / current_a, f_mhz);
    reactive.visit(reactive_var, f_mhz);
  }
  Duty duty() const { return {current.max(), voltage.max(), reactive.max()}; }
};

// The design procedure's hot-capacitance test on the final elements.
bool hot_cap_below_min(const stage::StageRecord& record) {
  const stage::StageInputs& in = record.inputs;
  return in.c_tube + in.c_var_min > design::final_network(record).c1;
}

// The ranges of a list's elements over the designs that pass.
template <typename Pass>
std::optional<Spans> spans_over(const std::vector<Design>& designs,
                                const std::vector<SpanValue>& list, const Pass& pass) {
  std::vector<Extremes> seen(list.size(), Extremes(kSpanDecimals));
  bool any = false;
  for (const Design& d : designs) {
    if (!pass(d)) continue;
    for (std::size_t i = 0; i < list.size(); ++i) seen[i].visit(list[i].value(d), d.f_mhz);
    any = true;
  }
  if (!any) return std::nullopt;
  Spans out;
  for (const Extremes& e : seen) out.push_back(e.span());
  return out;
}

float pi_result(const Design& d, float stage::StageResults::*r) {
  return d.record.results.*r;
}

float pi_l_result(const Design& d, float design::PiLResults::*r) {
  return d.pi_l->design.results.*r;
}

}  // namespace

const std::vector<SpanValue> kPiSpans{
    {"c1_total_pf", &PlanTexts::span_c1,
     [](const Design& d) { return pi_result(d, &stage::StageResults::c1_total_pf); }},
    {"c_hot_pf", &PlanTexts::span_c_hot,
     [](const Design& d) { return pi_result(d, &stage::StageResults::c_hot_pf); }},
    {"l_uh", &PlanTexts::span_l,
     [](const Design& d) { return pi_result(d, &stage::StageResults::l_uh); }},
    {"c2_pf", &PlanTexts::span_c2,
     [](const Design& d) { return pi_result(d, &stage::StageResults::c2_pf); }},
};

const std::vector<SpanValue> kPiLSpans{
    {"c1_total_pf", &PlanTexts::pi_l_c1_total_pf,
     [](const Design& d) { return pi_l_result(d, &design::PiLResults::c1_total_pf); }},
    {"l1_uh", &PlanTexts::pi_l_l1_uh,
     [](const Design& d) { return pi_l_result(d, &design::PiLResults::l1_uh); }},
    {"c2_pf", &PlanTexts::pi_l_c2_pf,
     [](const Design& d) { return pi_l_result(d, &design::PiLResults::c2_pf); }},
    {"l2_uh", &PlanTexts::pi_l_l2_uh,
     [](const Design& d) { return pi_l_result(d, &design::PiLResults::l2_uh); }},
};

const Span& span_of(const Spans& spans, const std::vector<SpanValue>& list, std::string_view key) {
  for (std::size_t i = 0; i < list.size() && i < spans.size(); ++i) {
    if (list[i].key == key) return spans[i];
  }
  return spans.at(list.size());  // no such key: out of range
}

void Extremes::visit(float value, float f_mhz) {
  if (!std::isnan(value)) seen_.push_back({value, f_mhz});
}

AtFrequency Extremes::extreme(bool largest) const {
  AtFrequency best;
  if (seen_.empty()) return best;
  best = seen_.front();
  for (const AtFrequency& a : seen_) {
    if (largest ? a.value > best.value : a.value < best.value) best.value = a.value;
  }
  const std::string shown = printed(best.value, decimals_);
  bool named = false;
  for (const AtFrequency& a : seen_) {
    if (printed(a.value, decimals_) == shown && (!named || a.f_mhz < best.f_mhz)) {
      best.f_mhz = a.f_mhz;
      named = true;
    }
  }
  return best;
}

Summary summarise(const std::vector<Design>& designs) {
  Summary s;
  DutyExtremes d_c1, d_coil, d_c2;
  for (const Design& d : designs) {
    if (!d.completed()) {
      ++s.refused;
      continue;
    }
    ++s.completed;
    const stage::StageResults& r = d.record.results;
    d_c1.visit(r.i_c1_a, r.q_c1_var, d.f_mhz);
    d_coil.visit(r.i_coil_a, r.q_l_var, d.f_mhz);
    d_c2.visit(r.i_c2_a, r.q_c2_var, d.f_mhz);
    if (hot_cap_below_min(d.record)) s.hot_cap_below_min_f_mhz.push_back(d.f_mhz);
  }
  if (s.completed > 0) {
    s.duties = ElementDuties{d_c1.duty(), d_coil.duty(), d_c2.duty()};
  }
  s.spans = spans_over(designs, kPiSpans, [](const Design& d) { return d.completed(); });
  s.pi_l_spans = spans_over(designs, kPiLSpans,
                            [](const Design& d) { return d.pi_l && d.pi_l->design.completed(); });
  return s;
}

}  // namespace plan
