#include "plan/report/load_range.hpp"

#include <array>
#include <cmath>
#include <limits>

namespace plan {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPf = 1e12;  // F to pF
constexpr double kUh = 1e6;   // H to uH
constexpr double kPercent = 100.0;

// The values a load has only when it is matched.
constexpr std::array<double LoadPoint::*, 13> kMatchedValues{
    &LoadPoint::c1_total_pf, &LoadPoint::c_hot_pf,        &LoadPoint::c2_pf,
    &LoadPoint::p_output_w,  &LoadPoint::eff_network_pct, &LoadPoint::i_l_a,
    &LoadPoint::i_l2_a,      &LoadPoint::i_c1_a,          &LoadPoint::i_c2_a,
    &LoadPoint::u_c2_peak_v, &LoadPoint::u_load_peak_v,   &LoadPoint::h2_db,
    &LoadPoint::filter_db};

LoadPoint unmatched(const retune::Point& p) {
  LoadPoint out;
  for (double LoadPoint::*value : kMatchedValues) out.*value = kNaN;
  out.r_ohm = p.z_load.real();
  out.x_ohm = p.z_load.imag();
  out.reason = p.reason;
  if (p.l_needed_h) out.l_needed_uh = *p.l_needed_h * kUh;
  return out;
}

LoadPoint in_report_units(const retune::Point& p) {
  if (!p.matched()) return unmatched(p);
  const retune::Operation& o = p.operation;
  return {p.z_load.real(),
          p.z_load.imag(),
          p.reason,
          std::nullopt,
          p.settings.c1_total_f * kPf,
          p.settings.c_hot_f * kPf,
          p.settings.c2_f * kPf,
          o.p_out_w,
          o.efficiency * kPercent,
          o.i_l_a,
          o.i_l2_a,
          o.i_c1_a,
          o.i_c2_a,
          o.u_c2_peak_v,
          o.u_load_peak_v,
          o.h2_db,
          o.filter_db};
}

// The extreme of one value over the matched points: the first load wins a tie.
Extreme extreme(const std::vector<LoadPoint>& points, double LoadPoint::*value, bool largest) {
  Extreme e{kNaN, -1};
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (!points[k].matched()) continue;
    const double v = points[k].*value;
    if (e.load < 0 || (largest ? v > e.value : v < e.value)) e = {v, static_cast<int>(k)};
  }
  return e;
}

LoadRangeTuning tune(const LoadRange& r, const Variables& v) {
  LoadRangeTuning t;
  t.c1 = tuning::cover(r.c_hot_pf_min.value, r.c_hot_pf_max.value, v.c1_min_pf, v.c1_max_pf);
  t.c2 = tuning::cover(r.c2_pf_min.value, r.c2_pf_max.value, v.c2_min_pf, v.c2_max_pf);
  t.c1_padder_pf = t.c1.covers ? t.c1.padder_pf : v.c1_nominal_padder_pf;
  t.c2_padder_pf = t.c2.covers ? t.c2.padder_pf : v.c2_nominal_padder_pf;
  for (const LoadPoint& p : r.points) {
    if (p.matched() && tuning::reaches(p.c_hot_pf, t.c1_padder_pf, v.c1_min_pf, v.c1_max_pf) &&
        tuning::reaches(p.c2_pf, t.c2_padder_pf, v.c2_min_pf, v.c2_max_pf)) {
      ++t.reachable_count;
    }
  }
  return t;
}

}  // namespace

LoadRange load_range(const retune::Stage& stage, const LoadRangeAsk& ask) {
  LoadRange r;
  r.swr = ask.swr;
  for (const retune::Point& p : retune::retune_circle(stage, ask.swr)) {
    r.points.push_back(in_report_units(p));
    if (!p.matched()) continue;
    ++r.matched_count;
    if (r.points.back().filter_db < ask.filter_db) ++r.below_filter_count;
  }
  const auto& pts = r.points;
  r.c_hot_pf_min = extreme(pts, &LoadPoint::c_hot_pf, false);
  r.c_hot_pf_max = extreme(pts, &LoadPoint::c_hot_pf, true);
  r.c2_pf_min = extreme(pts, &LoadPoint::c2_pf, false);
  r.c2_pf_max = extreme(pts, &LoadPoint::c2_pf, true);
  r.i_l_a_max = extreme(pts, &LoadPoint::i_l_a, true);
  r.i_l2_a_max = extreme(pts, &LoadPoint::i_l2_a, true);
  r.i_c1_a_max = extreme(pts, &LoadPoint::i_c1_a, true);
  r.i_c2_a_max = extreme(pts, &LoadPoint::i_c2_a, true);
  r.u_c2_peak_v_max = extreme(pts, &LoadPoint::u_c2_peak_v, true);
  r.u_load_peak_v_max = extreme(pts, &LoadPoint::u_load_peak_v, true);
  r.eff_network_pct_min = extreme(pts, &LoadPoint::eff_network_pct, false);
  r.filter_db_min = extreme(pts, &LoadPoint::filter_db, false);
  r.c2_rating_v = r.u_c2_peak_v_max.value * ask.margin;
  if (ask.variables && r.matched_count > 0) r.tuning = tune(r, *ask.variables);
  return r;
}

}  // namespace plan
