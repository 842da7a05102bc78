#include "plan/summary.hpp"

#include <cmath>

namespace plan {

namespace {

// Keeps the extremes of one quantity as the designs are visited.
class Extremes {
 public:
  void visit(float value, float f_mhz) {
    if (std::isnan(value)) return;
    if (!seen_ || value < min_.value) min_ = {value, f_mhz};
    if (!seen_ || value > max_.value) max_ = {value, f_mhz};
    seen_ = true;
  }
  Span span() const { return {min_, max_}; }
  AtFrequency max() const { return max_; }

 private:
  bool seen_ = false;
  AtFrequency min_;
  AtFrequency max_;
};

struct DutyExtremes {
  Extremes current, voltage, reactive;

  void visit(float current_a, float reactive_var, float f_mhz) {
    current.visit(current_a, f_mhz);
    voltage.visit(reactive_var / current_a, f_mhz);
    reactive.visit(reactive_var, f_mhz);
  }
  Duty duty() const { return {current.max(), voltage.max(), reactive.max()}; }
};

}  // namespace

Summary summarise(const std::vector<Design>& designs) {
  Summary s;
  Extremes c1, c_hot, l, c2;
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
  }
  if (s.completed > 0) {
    s.spans = ElementSpans{c1.span(), c_hot.span(), l.span(), c2.span()};
    s.duties = ElementDuties{d_c1.duty(), d_coil.duty(), d_c2.duty()};
  }
  return s;
}

}  // namespace plan
