#include "plan/report/load_range_report.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "parts/coil.hpp"
#include "plan/report/parts.hpp"
#include "plan/report/plan_report.hpp"
#include "plan/texts/number_text.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

using T = PlanTexts;
using K = LoadRangeKind;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kHenriesPerMicrohenry = 1e-6;
constexpr int kOhmDecimals = 1;  // a load's R and X in the table, ohm
constexpr int kCell = 11;        // the value column of a block, as the grid's cells

Extreme single(double v) {
  return {v, -1};
}
Extreme count(int n) {
  return {static_cast<double>(n), -1};
}
Extreme padder(const LoadRange& r, double LoadRangeTuning::*m) {
  return single(r.tuning ? (*r.tuning).*m : kNaN);
}

// The plain Pi's values, in the table's order; the Pi-L adds its L2's
// current and the load's voltage.
const std::vector<LoadRangeEntry> kPiEntries{{
    {"matched_count", &T::lr_matched_count, nullptr, 0, K::count, false,
     [](const LoadRange& r) { return count(r.matched_count); }},
    {"c_hot_pf_min", &T::lr_c_hot_pf_min, &T::picofarad, 1, K::extreme, false,
     [](const LoadRange& r) { return r.c_hot_pf_min; }},
    {"c_hot_pf_max", &T::lr_c_hot_pf_max, &T::picofarad, 1, K::extreme, false,
     [](const LoadRange& r) { return r.c_hot_pf_max; }},
    {"c2_pf_min", &T::lr_c2_pf_min, &T::picofarad, 1, K::extreme, false,
     [](const LoadRange& r) { return r.c2_pf_min; }},
    {"c2_pf_max", &T::lr_c2_pf_max, &T::picofarad, 1, K::extreme, false,
     [](const LoadRange& r) { return r.c2_pf_max; }},
    {"i_l_a_max", &T::lr_i_l_a_max, &T::ampere, 3, K::extreme, false,
     [](const LoadRange& r) { return r.i_l_a_max; }},
    {"i_c1_a_max", &T::lr_i_c1_a_max, &T::ampere, 3, K::extreme, false,
     [](const LoadRange& r) { return r.i_c1_a_max; }},
    {"i_c2_a_max", &T::lr_i_c2_a_max, &T::ampere, 3, K::extreme, false,
     [](const LoadRange& r) { return r.i_c2_a_max; }},
    {"u_c2_peak_v_max", &T::lr_u_c2_peak_v_max, &T::volt, 0, K::extreme, false,
     [](const LoadRange& r) { return r.u_c2_peak_v_max; }},
    {"eff_network_pct_min", &T::lr_eff_network_pct_min, &T::percent, 2, K::extreme, false,
     [](const LoadRange& r) { return r.eff_network_pct_min; }},
    {"filter_db_min", &T::lr_filter_db_min, &T::decibel, 2, K::extreme, false,
     [](const LoadRange& r) { return r.filter_db_min; }},
    // The rating is the largest C2 voltage's, at that voltage's load.
    {"c2_rating_v", &T::lr_c2_rating_v, &T::volt, 0, K::extreme, false,
     [](const LoadRange& r) {
       return Extreme{r.c2_rating_v, r.u_c2_peak_v_max.load};
     }},
    {"c1_padder_pf", &T::lr_c1_padder_pf, &T::picofarad, 0, K::value, true,
     [](const LoadRange& r) { return padder(r, &LoadRangeTuning::c1_padder_pf); }},
    {"c2_padder_pf", &T::lr_c2_padder_pf, &T::picofarad, 0, K::value, true,
     [](const LoadRange& r) { return padder(r, &LoadRangeTuning::c2_padder_pf); }},
    {"reachable_count", &T::lr_reachable_count, nullptr, 0, K::count, true,
     [](const LoadRange& r) { return count(r.tuning ? r.tuning->reachable_count : 0); }},
}};

// The values of a load, in JSON order; the Pi-L's own only in its list.
const std::vector<PointValue> kPiPoints{{
    {"c1_total_pf", &LoadPoint::c1_total_pf},
    {"c_hot_pf", &LoadPoint::c_hot_pf},
    {"c2_pf", &LoadPoint::c2_pf},
    {"p_output_w", &LoadPoint::p_output_w},
    {"eff_network_pct", &LoadPoint::eff_network_pct},
    {"i_l_a", &LoadPoint::i_l_a},
    {"i_c1_a", &LoadPoint::i_c1_a},
    {"i_c2_a", &LoadPoint::i_c2_a},
    {"u_c2_peak_v", &LoadPoint::u_c2_peak_v},
    {"h2_db", &LoadPoint::h2_db},
    {"filter_db", &LoadPoint::filter_db},
}};

// A list with an item put before the one with the key `before`.
template <class Item>
std::vector<Item> with(std::vector<Item> list, std::string_view before, Item item) {
  const auto at =
      std::find_if(list.begin(), list.end(), [&](const Item& i) { return i.key == before; });
  list.insert(at, std::move(item));
  return list;
}

// The summary's values: the largest ratings and currents over every band.
constexpr std::array<std::string_view, 7> kSummaryKeys{
    "c2_rating_v", "u_c2_peak_v_max", "u_load_peak_v_max", "i_l_a_max",
    "i_l2_a_max",  "i_c1_a_max",      "i_c2_a_max"};

}  // namespace

const CircleSource& pi_circles() {
  static const CircleSource kSource{&DesignLoadRange::pi, kPiEntries, kPiPoints, &T::lr_heading,
                                    "load_range_"};
  return kSource;
}

const CircleSource& pi_l_circles() {
  static const CircleSource kSource{
      &DesignLoadRange::pi_l,
      with(with(kPiEntries, "i_c1_a_max",
                LoadRangeEntry{"i_l2_a_max", &T::lr_i_l2_a_max, &T::ampere, 3, K::extreme, false,
                               [](const LoadRange& r) { return r.i_l2_a_max; }}),
           "eff_network_pct_min",
           LoadRangeEntry{"u_load_peak_v_max", &T::lr_u_load_peak_v_max, &T::volt, 0, K::extreme,
                          false, [](const LoadRange& r) { return r.u_load_peak_v_max; }}),
      with(with(kPiPoints, "i_c1_a", PointValue{"i_l2_a", &LoadPoint::i_l2_a}), "h2_db",
           PointValue{"u_load_peak_v", &LoadPoint::u_load_peak_v}),
      &T::lr_pi_l_heading, "pi_l_load_range_"};
  return kSource;
}

std::string_view reason_key(retune::Reason r) {
  constexpr std::array<std::string_view, 5> kKeys{"matched", "invalid_load", "no_c2_solution",
                                                  "c2_negative", "c1_not_above_tube"};
  return kKeys.at(static_cast<std::size_t>(r));
}

namespace {

Json number_json(double v) {
  return std::isfinite(v) ? Json(static_cast<float>(v)) : Json(nullptr);
}

// The circle of one network with the coil's turns of its unmatched loads.
NetworkLoadRange network_range(const retune::Stage& stage, const LoadRangeAsk& ask,
                               const Settings& s) {
  NetworkLoadRange n{load_range(stage, ask), {}};
  if (!s.parts.coil) return n;
  for (const LoadPoint& p : n.range.points) {
    std::optional<double> turns;
    if (p.l_needed_uh) {
      const coil::Solved c =
          coil::solve(*p.l_needed_uh * kHenriesPerMicrohenry, geometry(*s.parts.coil));
      if (c.coil) turns = c.coil->turns;
    }
    n.l_needed_turns.push_back(turns);
  }
  return n;
}

// The ask of one network: the variables with that network's nominal padders.
LoadRangeAsk ask_of(const Settings& s, const std::optional<Parts>& parts) {
  LoadRangeAsk ask{static_cast<double>(*s.swr), static_cast<double>(s.inputs.filter_db),
                   static_cast<double>(s.parts.margin), std::nullopt};
  if (!s.parts.capacitors) return ask;
  const CapacitorOptions& c = *s.parts.capacitors;
  const auto d = [](float x) { return static_cast<double>(x); };
  Variables v{d(s.inputs.c_var_min), d(c.c1_max_pf), d(c.c2_min_pf), d(c.c2_max_pf), 0.0, 0.0};
  if (parts && parts->c1) v.c1_nominal_padder_pf = parts->c1->padder_pf;
  if (parts && parts->c2) v.c2_nominal_padder_pf = parts->c2->padder_pf;
  ask.variables = v;
  return ask;
}

const std::optional<Parts>& parts_or_none(const std::vector<std::optional<Parts>>& parts,
                                          std::size_t k) {
  static const std::optional<Parts> kNone;
  return k < parts.size() ? parts[k] : kNone;
}

}  // namespace

void add_load_ranges(PlanReport& report, const Settings& settings) {
  if (!settings.swr) return;
  report.swr = settings.swr;
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const Design& d = report.designs[k];
    DesignLoadRange r;
    if (d.completed()) {
      r.pi = network_range(retune::from_pi_record(d.record),
                           ask_of(settings, parts_or_none(report.parts, k)), settings);
    }
    if (d.pi_l && d.pi_l->design.completed()) {
      r.pi_l = network_range(retune::from_pi_l_design(d.pi_l->design, d.record.inputs),
                             ask_of(settings, parts_or_none(report.pi_l_parts, k)), settings);
    }
    report.load_ranges.push_back(std::move(r));
  }
}

std::string load_text(const PlanTexts& t, double r_ohm, double x_ohm) {
  const auto fixed = [](double v) {
    std::string s = numform::fixed(static_cast<float>(v), kCell, kOhmDecimals);
    s.erase(0, s.find_first_not_of(' '));
    return s;
  };
  return fixed(r_ohm) + (x_ohm < 0.0 ? "-j" : "+j") + fixed(std::fabs(x_ohm)) + ' ' +
         std::string(t.ohm);
}

Largest largest(const PlanReport& report, const CircleSource& source, const LoadRangeEntry& e) {
  Largest best{0, {kNaN, -1}};
  for (std::size_t k = 0; k < report.designs.size() && k < report.load_ranges.size(); ++k) {
    const std::optional<NetworkLoadRange>& n = report.load_ranges[k].*source.circle;
    if (!n) continue;
    const Extreme v = e.value(n->range);
    if (std::isfinite(v.value) && !(v.value <= best.at.value)) best = {k, v};
  }
  return best;
}

std::vector<const LoadRangeEntry*> summary_entries(const CircleSource& source) {
  std::vector<const LoadRangeEntry*> out;
  for (const std::string_view key : kSummaryKeys) {
    for (const LoadRangeEntry& e : source.entries) {
      if (e.key == key) out.push_back(&e);
    }
  }
  return out;
}

namespace {

bool has_variables(const PlanReport& report) {
  return report.parts_options.capacitors.has_value();
}

Json summary_json(const PlanReport& report, const CircleSource& source) {
  Json j = Json::object();
  j["swr"] = *report.swr;
  for (const LoadRangeEntry* e : summary_entries(source)) {
    if (e->with_variables && !has_variables(report)) continue;
    const Largest l = largest(report, source, *e);
    if (l.at.load < 0) {
      j[std::string(e->key)] = nullptr;
      continue;
    }
    const LoadPoint& p = (report.load_ranges[l.design].*source.circle)
                             ->range.points[static_cast<std::size_t>(l.at.load)];
    Json v = Json::object();
    v["value"] = number_json(l.at.value);
    v["f_mhz"] = report.designs[l.design].f_mhz;
    v["load"] = l.at.load;
    v["r_ohm"] = number_json(p.r_ohm);
    v["x_ohm"] = number_json(p.x_ohm);
    j[std::string(e->key)] = v;
  }
  return j;
}

}  // namespace

Json load_range_summary_json(const PlanReport& report) {
  Json summary = summary_json(report, pi_circles());
  if (report.network == TankKind::pi_l) summary["pi_l"] = summary_json(report, pi_l_circles());
  return summary;
}

}  // namespace plan
