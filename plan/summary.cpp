#include "plan/summary.hpp"

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

// The Pi-L's element ranges, when any Pi-L design completed.
std::optional<PiLSpans> pi_l_spans(const std::vector<Design>& designs) {
  Extremes c1{kSpanDecimals}, l1{kSpanDecimals}, c2{kSpanDecimals}, l2{kSpanDecimals};
  bool any = false;
  for (const Design& d : designs) {
    if (!d.pi_l || !d.pi_l->design.completed()) continue;
    const design::PiLResults& r = d.pi_l->design.results;
    c1.visit(r.c1_total_pf, d.f_mhz);
    l1.visit(r.l1_uh, d.f_mhz);
    c2.visit(r.c2_pf, d.f_mhz);
    l2.visit(r.l2_uh, d.f_mhz);
    any = true;
  }
  if (!any) return std::nullopt;
  return PiLSpans{c1.span(), l1.span(), c2.span(), l2.span()};
}

}  // namespace

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
  Extremes c1{kSpanDecimals}, c_hot{kSpanDecimals}, l{kSpanDecimals}, c2{kSpanDecimals};
  DutyExtremes d_c1, d_coil, d_c2;
  for (const Design& d : designs) {
    if (!d.completed()) {
      ++s.refused;
      continue;
    }
    ++s.completed;
    const stage::StageResults& r = d.record.results;
    c1.visit(r.c1_total_pf, d.f_mhz);
    c_hot.visit(r.c_hot_pf, d.f_mhz);
    l.visit(r.l_uh, d.f_mhz);
    c2.visit(r.c2_pf, d.f_mhz);
    d_c1.visit(r.i_c1_a, r.q_c1_var, d.f_mhz);
    d_coil.visit(r.i_coil_a, r.q_l_var, d.f_mhz);
    d_c2.visit(r.i_c2_a, r.q_c2_var, d.f_mhz);
    if (hot_cap_below_min(d.record)) s.hot_cap_below_min_f_mhz.push_back(d.f_mhz);
  }
  if (s.completed > 0) {
    s.spans = ElementSpans{c1.span(), c_hot.span(), l.span(), c2.span()};
    s.duties = ElementDuties{d_c1.duty(), d_coil.duty(), d_c2.duty()};
  }
  s.pi_l_spans = pi_l_spans(designs);
  return s;
}

}  // namespace plan
