#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plan/write/json_text.hpp"
#include "plan/report/load_range_report.hpp"
#include "plan/cli/option_table.hpp"
#include "plan/write/outputs.hpp"
#include "plan/report/pi_l_column.hpp"
#include "plan/report/tank_outputs.hpp"

// The JSON: the run's inputs as --inputs reads them back, each design with
// the values, warnings and parts of every network, and the summary.

namespace plan {

namespace {

Json at_json(const AtFrequency& a) {
  Json j = Json::object();
  j["value"] = a.value;
  j["f_mhz"] = a.f_mhz;
  return j;
}

Json span_json(const Span& s) {
  Json j = Json::object();
  j["min"] = s.min.value;
  j["min_f_mhz"] = s.min.f_mhz;
  j["max"] = s.max.value;
  j["max_f_mhz"] = s.max.f_mhz;
  return j;
}

Json duty_json(const Duty& d) {
  Json j = Json::object();
  j["i_a"] = at_json(d.current_a);
  j["u_rms"] = at_json(d.voltage_v);
  j["q_var"] = at_json(d.reactive_var);
  return j;
}

// The ranges of a network's elements, by key.
Json spans_json(const TankOutputs& tank) {
  Json j = Json::object();
  const Spans& spans = **tank.spans;
  for (std::size_t i = 0; i < spans.size() && i < tank.span_values->size(); ++i) {
    j[std::string((*tank.span_values)[i].key)] = span_json(spans[i]);
  }
  return j;
}

// What a network gives for a design: its status, its reason when it has
// one, its values (grouped, or each null where not known), its warnings.
void tank_json(Json& j, const PlanTexts& t, const TankOutputs& tank, const Design& d) {
  j[std::string(output_key::status)] = std::string(tank.design.status_key(d));
  if (tank.design.q0_status != nullptr) {
    j[std::string(output_key::q0_status)] = std::string(tank.design.q0_status(d));
  }
  if (tank.design.reason != nullptr) {
    const std::string why = tank.design.reason(t, d);
    j[std::string(output_key::reason)] = why.empty() ? Json(nullptr) : Json(why);
  }
  const bool completed = tank.design.completed(d);
  for (const ValueLine& line : tank.lines) {
    const std::optional<float> v = line.value(d);
    if (line.group.empty()) {
      j[std::string(line.key)] = v ? Json(*v) : Json(nullptr);
    } else if (!completed) {
      j[std::string(line.group)] = nullptr;
    } else {
      j[std::string(line.group)][std::string(line.key)] = v ? Json(*v) : Json(nullptr);
    }
  }
  j[std::string(output_key::hot_cap_warning)] = tank.design.hot_cap_warning(d);
  Json warnings = Json::array();
  for (const std::string& w : tank.design.warnings(t, d)) warnings.push_back(w);
  j[std::string(output_key::warnings)] = warnings;
}

// The groups of parts of design k of a network: null for a refused one.
void parts_json(Json& j, const PlanReport& report, const TankOutputs& tank, std::size_t k) {
  const Parts* p = parts_at(tank, k);
  for (const PartGroup group :
       {PartGroup::ratings, PartGroup::coil, PartGroup::tuning, PartGroup::l2_coil}) {
    if (!shows(group, report.parts_options, tank.has_l2)) continue;
    Json g = Json::object();
    for (const PartLine& line : kPartLines) {
      if (line.group != group) continue;
      const std::optional<double> v = p != nullptr ? line.value(*p) : std::nullopt;
      g[std::string(line.key)] = v ? Json(static_cast<float>(*v)) : Json(nullptr);
    }
    if (group == PartGroup::ratings) {
      g["feed"] = std::string(feed_key(report.parts_options.feed));
      g["margin"] = report.parts_options.margin;
    }
    if (group == PartGroup::tuning && p != nullptr) {
      g["reachable"] = reachable(*p);
      g["reason"] = std::string(reason_key(overall_reason(*p)));
      g["c1_reason"] = std::string(reason_key(p->c1->reason));
      g["c2_reason"] = std::string(reason_key(p->c2->reason));
    }
    j[std::string(group_key(group))] = p != nullptr ? g : Json(nullptr);
  }
  // The band's harmonics near the coil's self-resonance, after its warnings.
  const PlanTexts& t = texts_of(report);
  for (const std::string& w : coil_resonance_warnings(t, tank, k, report.designs[k].f_mhz))
    j[std::string(output_key::warnings)].push_back(w);
}

// The summary's largest ratings and the tapped coil.
void parts_summary_json(Json& summary, const PlanReport& report, const PartsSummary& s) {
  Json largest = Json::object();
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (kPartLines[i].summary_name == nullptr) continue;
    largest[std::string(kPartLines[i].key)] = s.largest[i] ? at_json(*s.largest[i]) : Json(nullptr);
  }
  summary["largest_ratings"] = largest;
  if (!report.parts_options.coil) return;
  if (!s.coil || !s.coil->coil) {
    summary["coil"] = nullptr;
    return;
  }
  Json c = Json::object();
  c["turns"] = static_cast<float>(s.coil->coil->turns);
  c["length_mm"] = static_cast<float>(s.coil->coil->length_m * 1e3);
  c["conductor_m"] = static_cast<float>(s.coil->coil->conductor_m);
  if (s.whole) {
    c["c_self_pf"] = static_cast<float>(s.whole->c_self_f * kPicofaradsPerFarad);
    c["srf_mhz"] = static_cast<float>(s.whole->srf_hz * kMegahertzPerHz);
  }
  Json taps = Json::array();
  for (std::size_t k = 0; k < s.coil->taps.size() && k < s.tap_f_mhz.size(); ++k) {
    Json tap = Json::object();
    tap["f_mhz"] = s.tap_f_mhz[k];
    tap["turns"] = static_cast<float>(s.coil->taps[k]);
    taps.push_back(tap);
  }
  c["taps"] = taps;
  summary["coil"] = c;
}

// The settings of the run the report was made by.
Settings settings_of(const PlanReport& report) {
  Settings s;
  s.inputs = report.inputs;
  for (const Design& d : report.designs) s.f_mhz.push_back(d.f_mhz);
  s.raise_q = report.raise_q;
  s.q0_coil = report.q0_coil;
  s.network = report.network;
  s.r_mid = report.r_mid;
  s.parts = report.parts_options;
  s.language = report.language;
  s.swr = report.swr;
  return s;
}

// The starting values and options of the run, as --inputs reads them back.
Json inputs_json(const PlanReport& report) {
  const Settings settings = settings_of(report);
  Json inputs = Json::object();
  for (const OptionSpec* o : kept_options()) {
    const std::optional<Kept> kept = o->kept(settings);
    if (!kept) continue;
    Json& j = inputs[std::string(o->key)];
    if (o->kind == OptionKind::word || !kept->word.empty()) {
      j = kept->word;
    } else if (o->kind == OptionKind::number) {
      j = kept->numbers.front();
    } else {
      j = Json::array();
      for (const float v : kept->numbers) j.push_back(v);
    }
  }
  return inputs;
}

// Design k with every network and their parts: the plain Pi's in the
// design's own object, each other network's in its object within it.
Json design_json(const PlanReport& report, const std::vector<TankOutputs>& tanks, std::size_t k) {
  const PlanTexts& t = texts_of(report);
  const Design& d = report.designs[k];
  Json j = Json::object();
  j[std::string(output_key::f_mhz)] = d.f_mhz;
  const TankOutputs& own = tanks.front();
  tank_json(j, t, own, d);
  for (std::size_t n = 1; n < tanks.size(); ++n) {
    Json& nested = j[std::string(tanks[n].json_key)];
    nested = Json::object();
    tank_json(nested, t, tanks[n], d);
    if (tanks[n].parts->size() == report.designs.size()) parts_json(nested, report, tanks[n], k);
  }
  if (own.parts->size() == report.designs.size()) parts_json(j, report, own, k);
  return j;
}

// The document with each load circle's points left as its number in circles.
Json json_document(const PlanReport& report, std::vector<JsonCircle>& circles) {
  Json doc = Json::object();
  doc["inputs"] = inputs_json(report);
  doc["raise_q"] = report.raise_q;
  doc[std::string(output_key::network)] = network_name(report.network);

  const std::vector<TankOutputs> tanks = tank_outputs(report);
  Json designs = Json::array();
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    designs.push_back(design_json(report, tanks, k));
  }
  doc["designs"] = std::move(designs);

  const Summary& s = report.summary;
  Json summary = Json::object();
  summary["completed"] = s.completed;
  summary["refused"] = s.refused;
  if (s.spans && s.duties) {
    summary[std::string(output_key::ranges)] = spans_json(tanks.front());
    Json duties = Json::object();
    duties["c1"] = duty_json(s.duties->c1);
    duties["l"] = duty_json(s.duties->coil);
    duties["c2"] = duty_json(s.duties->c2);
    summary["maxima"] = duties;
    Json hot = Json::array();
    for (const float f : s.hot_cap_below_min_f_mhz) hot.push_back(f);
    summary["hot_cap_below_min_f_mhz"] = hot;
  } else {
    summary[std::string(output_key::ranges)] = nullptr;
    summary["maxima"] = nullptr;
  }
  for (std::size_t n = 1; n < tanks.size(); ++n) {
    if (*tanks[n].spans)
      summary[std::string(tanks[n].key_prefix) + std::string(output_key::ranges)] =
          spans_json(tanks[n]);
  }
  for (const TankOutputs& tank : tanks) {
    if (tank.parts->empty()) continue;
    if (tank.json_key.empty()) {
      parts_summary_json(summary, report, *tank.parts_summary);
    } else {
      Json nested = Json::object();
      parts_summary_json(nested, report, *tank.parts_summary);
      summary[std::string(tank.json_key) + "_parts"] = nested;
    }
  }
  doc["summary"] = std::move(summary);
  circles = load_range_json(doc, report);
  return doc;
}

}  // namespace

std::string json_report(const PlanReport& report) {
  std::vector<JsonCircle> circles;
  const Json doc = json_document(report, circles);
  std::string text = dump_with(doc, kPointsKey, [&](JsonText& out, std::size_t n) {
    write_points(out, report, circles.at(n));
  });
  text += '\n';
  return text;
}

}  // namespace plan
