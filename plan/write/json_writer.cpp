#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plan/cli/option_table.hpp"
#include "plan/report/design_blocks.hpp"
#include "plan/report/load_range_report.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/write/document_json.hpp"
#include "plan/write/json_text.hpp"
#include "plan/write/outputs.hpp"

// The JSON: the run's inputs as --inputs reads them back, each design with
// the values, warnings and parts of every network, and the summary.

namespace plan {

namespace {

// The member of the designs' list.
constexpr std::string_view kDesignsKey = "designs";

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

// The document with the designs' list left as the number 0, for the
// report document's designs to be written in its place.
Json json_document(const PlanReport& report) {
  Json doc = Json::object();
  doc["inputs"] = inputs_json(report);
  doc["raise_q"] = report.raise_q;
  doc[std::string(output_key::network)] = network_name(report.network);

  const std::vector<TankOutputs> tanks = tank_outputs(report);
  doc[std::string(kDesignsKey)] = 0;

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
  if (report.swr) summary["load_range"] = load_range_summary_json(report);
  doc["summary"] = std::move(summary);
  return doc;
}

}  // namespace

std::string json_report(const PlanReport& report) {
  const doc::Document document = report_document(report);
  std::string text = dump_with(json_document(report), kDesignsKey, [&](JsonText& out, std::size_t) {
    write_columns_json(out, document.designs);
  });
  text += '\n';
  return text;
}

}  // namespace plan
