#include "plan/report/load_range_report.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

#include "parts/coil.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/write/outputs.hpp"
#include "plan/report/parts.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

using T = PlanTexts;
using K = LoadRangeKind;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();  // written as null
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

}  // namespace

const std::array<LoadRangeEntry, kLoadRangeEntryCount> kLoadRangeEntries{{
    {"matched_count", &T::lr_matched_count, nullptr, 0, K::count, false, false,
     [](const LoadRange& r) { return count(r.matched_count); }},
    {"c_hot_pf_min", &T::lr_c_hot_pf_min, &T::picofarad, 1, K::extreme, false, false,
     [](const LoadRange& r) { return r.c_hot_pf_min; }},
    {"c_hot_pf_max", &T::lr_c_hot_pf_max, &T::picofarad, 1, K::extreme, false, false,
     [](const LoadRange& r) { return r.c_hot_pf_max; }},
    {"c2_pf_min", &T::lr_c2_pf_min, &T::picofarad, 1, K::extreme, false, false,
     [](const LoadRange& r) { return r.c2_pf_min; }},
    {"c2_pf_max", &T::lr_c2_pf_max, &T::picofarad, 1, K::extreme, false, false,
     [](const LoadRange& r) { return r.c2_pf_max; }},
    {"i_l_a_max", &T::lr_i_l_a_max, &T::ampere, 3, K::extreme, false, false,
     [](const LoadRange& r) { return r.i_l_a_max; }},
    {"i_l2_a_max", &T::lr_i_l2_a_max, &T::ampere, 3, K::extreme, true, false,
     [](const LoadRange& r) { return r.i_l2_a_max; }},
    {"i_c1_a_max", &T::lr_i_c1_a_max, &T::ampere, 3, K::extreme, false, false,
     [](const LoadRange& r) { return r.i_c1_a_max; }},
    {"i_c2_a_max", &T::lr_i_c2_a_max, &T::ampere, 3, K::extreme, false, false,
     [](const LoadRange& r) { return r.i_c2_a_max; }},
    {"u_c2_peak_v_max", &T::lr_u_c2_peak_v_max, &T::volt, 0, K::extreme, false, false,
     [](const LoadRange& r) { return r.u_c2_peak_v_max; }},
    {"u_load_peak_v_max", &T::lr_u_load_peak_v_max, &T::volt, 0, K::extreme, true, false,
     [](const LoadRange& r) { return r.u_load_peak_v_max; }},
    {"eff_network_pct_min", &T::lr_eff_network_pct_min, &T::percent, 2, K::extreme, false, false,
     [](const LoadRange& r) { return r.eff_network_pct_min; }},
    {"filter_db_min", &T::lr_filter_db_min, &T::decibel, 2, K::extreme, false, false,
     [](const LoadRange& r) { return r.filter_db_min; }},
    // The rating is the largest C2 voltage's, at that voltage's load.
    {"c2_rating_v", &T::lr_c2_rating_v, &T::volt, 0, K::extreme, false, false,
     [](const LoadRange& r) {
       return Extreme{r.c2_rating_v, r.u_c2_peak_v_max.load};
     }},
    {"c1_padder_pf", &T::lr_c1_padder_pf, &T::picofarad, 0, K::value, false, true,
     [](const LoadRange& r) { return padder(r, &LoadRangeTuning::c1_padder_pf); }},
    {"c2_padder_pf", &T::lr_c2_padder_pf, &T::picofarad, 0, K::value, false, true,
     [](const LoadRange& r) { return padder(r, &LoadRangeTuning::c2_padder_pf); }},
    {"reachable_count", &T::lr_reachable_count, nullptr, 0, K::count, false, true,
     [](const LoadRange& r) { return count(r.tuning ? r.tuning->reachable_count : 0); }},
}};

bool load_range_shows(const LoadRangeEntry& e, bool pi_l, bool variables) {
  return (pi_l || !e.pi_l_only) && (variables || !e.with_variables);
}

namespace {

// The values of a point, in JSON order; the Pi-L's own only in its block.
struct PointValue {
  std::string_view key;
  double LoadPoint::*member;
  bool pi_l_only;
};

constexpr std::array<PointValue, 13> kPointValues{{
    {"c1_total_pf", &LoadPoint::c1_total_pf, false},
    {"c_hot_pf", &LoadPoint::c_hot_pf, false},
    {"c2_pf", &LoadPoint::c2_pf, false},
    {"p_output_w", &LoadPoint::p_output_w, false},
    {"eff_network_pct", &LoadPoint::eff_network_pct, false},
    {"i_l_a", &LoadPoint::i_l_a, false},
    {"i_l2_a", &LoadPoint::i_l2_a, true},
    {"i_c1_a", &LoadPoint::i_c1_a, false},
    {"i_c2_a", &LoadPoint::i_c2_a, false},
    {"u_c2_peak_v", &LoadPoint::u_c2_peak_v, false},
    {"u_load_peak_v", &LoadPoint::u_load_peak_v, true},
    {"h2_db", &LoadPoint::h2_db, false},
    {"filter_db", &LoadPoint::filter_db, false},
}};

// The summary's values: the largest ratings and currents over every band.
constexpr std::array<std::string_view, 7> kSummaryKeys{
    "c2_rating_v", "u_c2_peak_v_max", "u_load_peak_v_max", "i_l_a_max",
    "i_l2_a_max",  "i_c1_a_max",      "i_c2_a_max"};

std::string_view reason_key(retune::Reason r) {
  constexpr std::array<std::string_view, 5> kKeys{"matched", "invalid_load", "no_c2_solution",
                                                  "c2_negative", "c1_not_above_tube"};
  return kKeys.at(static_cast<std::size_t>(r));
}

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

namespace {

bool has_variables(const PlanReport& report) {
  return report.parts_options.capacitors.has_value();
}

const NetworkLoadRange* network_of(const PlanReport& report, std::size_t k, bool pi_l) {
  if (k >= report.load_ranges.size()) return nullptr;
  const auto& n = pi_l ? report.load_ranges[k].pi_l : report.load_ranges[k].pi;
  return n ? &*n : nullptr;
}

std::string label_of(const PlanTexts& t, const LoadRangeEntry& e) {
  std::string s(t.*e.label);
  if (e.unit != nullptr) s += ", " + std::string(t.*e.unit);
  return s;
}

std::string trimmed_fixed(double v, int decimals) {
  std::string s = numform::fixed(static_cast<float>(v), kCell, decimals);
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

// One network's block of one frequency.
void table_block(std::string& out, const PlanReport& report, const Design& d,
                 const NetworkLoadRange& n, bool pi_l) {
  const PlanTexts& t = plan_texts(report.language);
  const LoadRange& r = n.range;
  out += ' ' +
         fill(pi_l ? t.lr_pi_l_heading : t.lr_heading,
              {trimmed_fixed(static_cast<double>(d.f_mhz), 3), std::to_string(r.points.size()),
               float_text(*report.swr), float_text(report.inputs.r_load)}) +
         '\n';
  std::size_t width = 0;
  for (const LoadRangeEntry& e : kLoadRangeEntries) {
    width = std::max(width, label_of(t, e).size());
  }
  for (const LoadRangeEntry& e : kLoadRangeEntries) {
    if (!load_range_shows(e, pi_l, has_variables(report))) continue;
    const Extreme v = e.value(r);
    std::string label = label_of(t, e);
    out += "   " + label + std::string(width > label.size() ? width - label.size() : 0, ' ');
    out += std::isfinite(v.value) ? numform::fixed(static_cast<float>(v.value), kCell, e.decimals)
                                  : std::string(kCell - 1, ' ') + "-";
    if (v.load >= 0) {
      const LoadPoint& p = r.points[static_cast<std::size_t>(v.load)];
      out += "   " + load_text(t, p.r_ohm, p.x_ohm);
    }
    out += '\n';
  }
  if (r.matched_count == 0) out += "   " + std::string(t.lr_none) + '\n';
  if (r.below_filter_count > 0) {
    out += "   " +
           fill(t.lr_filter_warning,
                {float_text(report.inputs.filter_db), float_text(*report.swr),
                 std::to_string(r.below_filter_count), trimmed_fixed(r.filter_db_min.value, 2)}) +
           '\n';
  }
}

// The largest of a summary value over the bands: the design and its extreme.
struct Largest {
  std::size_t design = 0;
  Extreme at{kNaN, -1};
};

Largest largest(const PlanReport& report, const LoadRangeEntry& e, bool pi_l) {
  Largest best;
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const NetworkLoadRange* n = network_of(report, k, pi_l);
    if (n == nullptr) continue;
    const Extreme v = e.value(n->range);
    if (std::isfinite(v.value) && !(v.value <= best.at.value)) best = {k, v};
  }
  return best;
}

const LoadRangeEntry& entry(std::string_view key) {
  return *std::find_if(kLoadRangeEntries.begin(), kLoadRangeEntries.end(),
                       [&](const LoadRangeEntry& e) { return e.key == key; });
}

const LoadPoint& point_at(const PlanReport& report, const Largest& l, bool pi_l) {
  return network_of(report, l.design, pi_l)->range.points[static_cast<std::size_t>(l.at.load)];
}

void table_summary(std::string& out, const PlanReport& report, bool pi_l) {
  const PlanTexts& t = plan_texts(report.language);
  out += ' ' + std::string(pi_l ? t.pi_l_warnings_prefix : "") +
         fill(t.lr_summary_heading, {float_text(*report.swr)}) + '\n';
  for (const std::string_view key : kSummaryKeys) {
    const LoadRangeEntry& e = entry(key);
    if (!load_range_shows(e, pi_l, has_variables(report))) continue;
    const Largest l = largest(report, e, pi_l);
    if (l.at.load < 0) continue;
    const LoadPoint& p = point_at(report, l, pi_l);
    out += "   " +
           fill(t.lr_summary_line,
                {label_of(t, e), trimmed_fixed(l.at.value, e.decimals),
                 trimmed_fixed(static_cast<double>(report.designs[l.design].f_mhz), 3),
                 load_text(t, p.r_ohm, p.x_ohm)}) +
           '\n';
  }
}

}  // namespace

std::string load_range_table(const PlanReport& report) {
  std::string out;
  if (!report.swr) return out;
  for (const bool pi_l : {false, true}) {
    bool any = false;
    for (std::size_t k = 0; k < report.designs.size(); ++k) {
      const NetworkLoadRange* n = network_of(report, k, pi_l);
      if (n == nullptr) continue;
      table_block(out, report, report.designs[k], *n, pi_l);
      out += '\n';
      any = true;
    }
    if (any) {
      table_summary(out, report, pi_l);
      out += '\n';
    }
  }
  return out;
}

namespace {

// The block's header cells, or one row's, each after its comma.
// n : the network's circle, nullptr for the empty cells of a header (header true) or row
std::string csv_cells(const PlanReport& report, const NetworkLoadRange* n, bool pi_l, bool header) {
  std::string out;
  const std::string prefix = pi_l ? "pi_l_load_range_" : "load_range_";
  for (const LoadRangeEntry& e : kLoadRangeEntries) {
    if (!load_range_shows(e, pi_l, has_variables(report))) continue;
    if (header) {
      out += ',' + prefix + std::string(e.key);
      if (e.kind == K::extreme) out += ',' + prefix + std::string(e.key) + "_load";
      continue;
    }
    const Extreme v = n != nullptr ? e.value(n->range) : single(kNaN);
    const bool whole = e.kind == K::count && std::isfinite(v.value);
    out += ',';
    if (whole) out += std::to_string(static_cast<int>(v.value));
    if (!whole && std::isfinite(v.value)) out += float_text(static_cast<float>(v.value));
    if (e.kind != K::extreme) continue;
    out += ',';
    if (v.load >= 0) out += std::to_string(v.load);
  }
  return out;
}

}  // namespace

std::string load_range_csv(const PlanReport& report, std::string csv) {
  if (!report.swr) return csv;
  std::string out;
  std::size_t begin = 0;
  for (std::size_t line = 0; begin < csv.size(); ++line) {
    const std::size_t end = csv.find('\n', begin);
    out.append(csv, begin, end - begin);
    for (const bool pi_l : {false, true}) {
      if (pi_l && report.network != TankKind::pi_l) continue;
      out += line == 0 ? csv_cells(report, nullptr, pi_l, true)
                       : csv_cells(report, network_of(report, line - 1, pi_l), pi_l, false);
    }
    out += '\n';
    begin = end == std::string::npos ? csv.size() : end + 1;
  }
  return out;
}

namespace {

void write_point(JsonText& out, const NetworkLoadRange& n, std::size_t k, bool pi_l, bool coil) {
  const LoadPoint& p = n.range.points[k];
  out.begin_object();
  out.key("r_ohm");
  out.number(static_cast<float>(p.r_ohm));
  out.key("x_ohm");
  out.number(static_cast<float>(p.x_ohm));
  out.key("matched");
  out.boolean(p.matched());
  out.key("reason");
  out.string(reason_key(p.reason));
  out.key("l_needed_uh");
  out.number(p.l_needed_uh ? static_cast<float>(*p.l_needed_uh) : kNaNf);
  if (coil) {
    const std::optional<double> turns =
        k < n.l_needed_turns.size() ? n.l_needed_turns[k] : std::optional<double>();
    out.key("l_needed_turns");
    out.number(turns ? static_cast<float>(*turns) : kNaNf);
  }
  for (const PointValue& v : kPointValues) {
    if (v.pi_l_only && !pi_l) continue;
    out.key(v.key);
    out.number(p.matched() ? static_cast<float>(p.*v.member) : kNaNf);
  }
  out.end_object();
}

// A network's block; its points the placeholder of circle n of the document.
Json network_json(const PlanReport& report, const NetworkLoadRange& n, bool pi_l,
                  std::size_t circle) {
  Json j = Json::object();
  j["swr"] = *report.swr;
  j[std::string(kPointsKey)] = circle;
  for (const LoadRangeEntry& e : kLoadRangeEntries) {
    if (!load_range_shows(e, pi_l, has_variables(report))) continue;
    const Extreme v = e.value(n.range);
    const std::string key(e.key);
    j[key] = e.kind == K::count ? Json(static_cast<int>(v.value)) : number_json(v.value);
    if (e.kind == K::extreme) j[key + "_load"] = v.load >= 0 ? Json(v.load) : Json(nullptr);
  }
  return j;
}

// The filtering warning of a network's circle, when it has one.
void warn(Json& warnings, const PlanReport& report, const LoadRange& r) {
  if (r.below_filter_count == 0 || !warnings.is_array()) return;
  const PlanTexts& t = plan_texts(report.language);
  warnings.push_back(
      fill(t.lr_filter_warning,
           {float_text(report.inputs.filter_db), float_text(*report.swr),
            std::to_string(r.below_filter_count), trimmed_fixed(r.filter_db_min.value, 2)}));
}

Json summary_json(const PlanReport& report, bool pi_l) {
  Json j = Json::object();
  j["swr"] = *report.swr;
  for (const std::string_view key : kSummaryKeys) {
    const LoadRangeEntry& e = entry(key);
    if (!load_range_shows(e, pi_l, has_variables(report))) continue;
    const Largest l = largest(report, e, pi_l);
    if (l.at.load < 0) {
      j[std::string(key)] = nullptr;
      continue;
    }
    const LoadPoint& p = point_at(report, l, pi_l);
    Json v = Json::object();
    v["value"] = number_json(l.at.value);
    v["f_mhz"] = report.designs[l.design].f_mhz;
    v["load"] = l.at.load;
    v["r_ohm"] = number_json(p.r_ohm);
    v["x_ohm"] = number_json(p.x_ohm);
    j[std::string(key)] = v;
  }
  return j;
}

}  // namespace

std::vector<JsonCircle> load_range_json(Json& doc, const PlanReport& report) {
  std::vector<JsonCircle> circles;
  if (!report.swr) return circles;
  // Each block with its circle's number in place of the points.
  const auto block = [&](const NetworkLoadRange& n, bool pi_l) {
    circles.push_back({&n, pi_l});
    return network_json(report, n, pi_l, circles.size() - 1);
  };
  Json& designs = doc["designs"];
  for (std::size_t k = 0; k < report.designs.size() && k < designs.size(); ++k) {
    Json& d = designs[k];
    const NetworkLoadRange* pi = network_of(report, k, false);
    d["load_range"] = pi != nullptr ? block(*pi, false) : Json(nullptr);
    if (pi != nullptr) warn(d["warnings"], report, pi->range);
    if (!d.contains("pi_l")) continue;
    const NetworkLoadRange* pi_l = network_of(report, k, true);
    d["pi_l"]["load_range"] = pi_l != nullptr ? block(*pi_l, true) : Json(nullptr);
    if (pi_l != nullptr && d["pi_l"].contains("warnings")) {
      warn(d["pi_l"]["warnings"], report, pi_l->range);
    }
  }
  Json summary = summary_json(report, false);
  if (report.network == TankKind::pi_l) summary["pi_l"] = summary_json(report, true);
  doc["summary"]["load_range"] = summary;
  return circles;
}

void write_points(JsonText& out, const PlanReport& report, const JsonCircle& circle) {
  const bool coil = report.parts_options.coil.has_value();
  out.begin_array();
  for (std::size_t k = 0; k < circle.network->range.points.size(); ++k) {
    write_point(out, *circle.network, k, circle.pi_l, coil);
  }
  out.end_array();
}

}  // namespace plan
