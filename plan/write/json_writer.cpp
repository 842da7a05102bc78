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

// The members the report document writes: the designs' list and the summary.
constexpr std::string_view kDesignsKey = "designs";
constexpr std::string_view kSummaryKey = "summary";

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

  doc[std::string(kDesignsKey)] = 0;

  doc[std::string(kSummaryKey)] = 0;

  return doc;
}

}  // namespace

std::string json_report(const PlanReport& report) {
  const doc::Document document = report_document(report);
  const std::vector<std::string_view> keys{kDesignsKey, kSummaryKey};
  std::string text =
      dump_with(json_document(report), keys, [&](JsonText& out, std::size_t which, std::size_t) {
        if (which == 0) {
          write_columns_json(out, document.designs);
        } else {
          write_object_json(out, document.after.back());
        }
      });
  text += '\n';
  return text;
}

}  // namespace plan
