#include "plan/report/design_blocks.hpp"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plan/report/bands.hpp"
#include "plan/report/feed_blocks.hpp"
#include "plan/report/load_range_blocks.hpp"
#include "plan/report/pi_l_column.hpp"
#include "plan/report/summary_blocks.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

using doc::Entry;
using doc::Kind;
using doc::Value;

constexpr int kValueDecimals = 3;  // the f11.3 form of the reports

// A block with one column per design.
doc::Block grid_of(const PlanReport& report, std::string_view key) {
  doc::Block b;
  b.key = key;
  b.present.assign(report.designs.size(), true);
  return b;
}

Value number(std::optional<double> v) {
  Value out;
  if (v) out.number = *v;
  return out;
}

Value absent() {
  Value out;
  out.absent = true;
  return out;
}

Value word(std::string text, std::string shown = {}) {
  Value out;
  out.text = std::move(text);
  out.shown = std::move(shown);
  return out;
}

Value whole(double n) {
  Value out;
  out.number = n;
  return out;
}

std::string column(const TankOutputs& tank, std::string_view key) {
  return std::string(tank.key_prefix) + std::string(key);
}

// The status, how Q0 was found, the reason of a refusal.
void status_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank) {
  const PlanTexts& t = texts_of(report);
  if (!tank.network_column.empty()) {
    Entry e = doc::entry("", "", std::string(output_key::network), "", 0, Kind::text);
    for (std::size_t k = 0; k < report.designs.size(); ++k) {
      e.values.push_back(word(std::string(tank.network_column)));
    }
    b.entries.push_back(std::move(e));
  }
  Entry status = doc::entry(output_key::status, "", column(tank, output_key::status),
                            std::string(tank.status_label), 0, Kind::text);
  Entry q0 =
      doc::entry(output_key::q0_status, "", column(tank, output_key::q0_status), "", 0, Kind::text);
  Entry reason = doc::entry(output_key::reason, "", "", "", 0, Kind::text, true);
  for (const Design& d : report.designs) {
    status.values.push_back(
        word(std::string(tank.design.status_key(d)), std::string(tank.design.status_text(t, d))));
    if (tank.design.q0_status != nullptr)
      q0.values.push_back(word(std::string(tank.design.q0_status(d))));
    if (tank.design.reason != nullptr) reason.values.push_back(word(tank.design.reason(t, d)));
  }
  b.entries.push_back(std::move(status));
  if (tank.design.q0_status != nullptr) b.entries.push_back(std::move(q0));
  if (tank.design.reason != nullptr) b.entries.push_back(std::move(reason));
}

// The network's values; a group of a refused design is null.
void value_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank) {
  for (const ValueLine& line : tank.lines) {
    Entry e = doc::entry(line.key, line.group, column(tank, line.key), line.label, kValueDecimals,
                         Kind::number);
    for (const Design& d : report.designs) {
      const bool null_group = !line.group.empty() && !tank.design.completed(d);
      const std::optional<float> v = line.value(d);
      e.values.push_back(null_group ? absent()
                                    : number(v ? std::optional<double>(*v) : std::nullopt));
    }
    b.entries.push_back(std::move(e));
  }
}

// The hot-capacitance warning: its number in the JSON, and in the CSV
// (when the network has that column) only for a completed design.
void hot_cap_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank) {
  Entry json = doc::entry(output_key::hot_cap_warning, "", "", "", 0, Kind::count);
  Entry csv = doc::entry("", "", std::string(tank.hot_cap_column), "", 0, Kind::count);
  for (const Design& d : report.designs) {
    json.values.push_back(whole(tank.design.hot_cap_warning(d)));
    csv.values.push_back(tank.design.completed(d) ? whole(tank.design.hot_cap_warning(d))
                                                  : Value{});
  }
  b.entries.push_back(std::move(json));
  if (!tank.hot_cap_column.empty()) b.entries.push_back(std::move(csv));
}

// The warnings of each design: the design's own, its coil's resonances and
// its load circle's filtering.
void warning_entry(doc::Block& b, const PlanReport& report, const TankOutputs& tank,
                   const std::vector<std::vector<std::string>>& circle_warnings) {
  const PlanTexts& t = texts_of(report);
  Entry e = doc::entry(output_key::warnings, "", "", "", 0, Kind::texts);
  e.in_table = false;  // the table gives them in the warnings' block
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    Value v;
    const Design& d = report.designs[k];
    v.texts = tank.design.warnings(t, d);
    if (tank.parts->size() == report.designs.size()) {
      for (std::string& w : coil_resonance_warnings(t, tank, k, d.f_mhz))
        v.texts.push_back(std::move(w));
      for (std::string& w : feed_warnings(t, report, tank, k)) v.texts.push_back(std::move(w));
    }
    for (const std::string& w : circle_warnings[k]) v.texts.push_back(w);
    e.values.push_back(std::move(v));
  }
  b.entries.push_back(std::move(e));
}

// The parts, each group null for a design without them.
void part_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank) {
  const PlanTexts& t = texts_of(report);
  const std::vector<const PartLine*> lines = part_lines(report, tank);
  if (lines.empty()) return;
  const std::size_t n = report.designs.size();
  for (const PartLine* line : lines) {
    Entry e = doc::entry(line->key, group_key(line->group), column(tank, line->csv),
                         std::string(part_label(t, *line)), line->decimals, Kind::number);
    for (std::size_t k = 0; k < n; ++k) {
      const Parts* p = parts_at(tank, k);
      e.values.push_back(p != nullptr ? number(line->value(*p)) : absent());
    }
    b.entries.push_back(std::move(e));
  }
  const auto extra = [&](std::string_view key, std::string_view group, Kind kind, auto of) {
    Entry e = doc::entry(key, group, "", "", 0, kind);
    for (std::size_t k = 0; k < n; ++k) {
      const Parts* p = parts_at(tank, k);
      e.values.push_back(p != nullptr ? of(*p) : absent());
    }
    b.entries.push_back(std::move(e));
  };
  const PartsOptions& o = report.parts_options;
  const std::string_view ratings = group_key(PartGroup::ratings);
  extra("feed", ratings, Kind::text,
        [&](const Parts&) { return word(std::string(feed_key(o.feed))); });
  extra("margin", ratings, Kind::number,
        [&](const Parts&) { return whole(static_cast<double>(o.margin)); });
  if (!shows(PartGroup::tuning, o)) return;
  const std::string_view tuning = group_key(PartGroup::tuning);
  extra("reachable", tuning, Kind::flag,
        [](const Parts& p) { return whole(reachable(p) ? 1.0 : 0.0); });
  extra("reason", tuning, Kind::text,
        [](const Parts& p) { return word(std::string(reason_key(overall_reason(p)))); });
  extra("c1_reason", tuning, Kind::text,
        [](const Parts& p) { return word(std::string(reason_key(p.c1->reason))); });
  extra("c2_reason", tuning, Kind::text,
        [](const Parts& p) { return word(std::string(reason_key(p.c2->reason))); });
  Entry csv = doc::entry("", "", column(tank, output_key::tuning_reason), "", 0, Kind::text);
  for (std::size_t k = 0; k < n; ++k) {
    const Parts* p = parts_at(tank, k);
    csv.values.push_back(word(p != nullptr ? std::string(reason_key(overall_reason(*p))) : ""));
  }
  b.entries.push_back(std::move(csv));
}

// The frequency row of a network's grid (the design's f_mhz in the plain Pi's).
void frequency_entry(doc::Block& b, const PlanReport& report, bool keyed) {
  const PlanTexts& t = texts_of(report);
  Entry e =
      doc::entry(keyed ? output_key::f_mhz : "", "", keyed ? std::string(output_key::f_mhz) : "",
                 bare_label(t.frequency_heading), kValueDecimals, Kind::number);
  for (const Design& d : report.designs) e.values.push_back(whole(static_cast<double>(d.f_mhz)));
  b.entries.push_back(std::move(e));
}

// One network's grid: its values, its parts, its load circles; `parts_at`
// the number of its entries before its parts.
doc::Block network_block(const PlanReport& report, const TankOutputs& tank, bool own_object,
                         std::size_t& parts_at) {
  doc::Block b = grid_of(report, tank.json_key);
  b.heading = tank.heading;
  frequency_entry(b, report, own_object);
  status_entries(b, report, tank);
  value_entries(b, report, tank);
  hot_cap_entries(b, report, tank);
  LoadRangeBlocks circles = load_range_blocks(report, *tank.circles, tank.text_prefix);
  warning_entry(b, report, tank, circles.warnings);
  parts_at = b.entries.size();
  part_entries(b, report, tank);
  feed_entries(b, report, tank);
  for (doc::Block& c : circles.blocks) {
    c.position = b.entries.size();
    b.blocks.push_back(std::move(c));
  }
  return b;
}

// The table's warnings of every network, design by design: the refusal,
// the warnings, what the parts cannot give, the coil's resonances.
doc::Block warnings_block(const PlanReport& report, const std::vector<TankOutputs>& tanks) {
  const PlanTexts& t = texts_of(report);
  doc::Block b = grid_of(report, "");
  b.json = false;
  b.layout = doc::Layout::lines;
  b.heading = t.warnings_heading;
  b.empty_text = t.none;
  for (const Design& d : report.designs) {
    b.titles.push_back(mhz_field(d.f_mhz) + ' ' + std::string(t.megahertz));
  }
  for (const TankOutputs& tank : tanks) {
    Entry e = doc::entry("", "", "", std::string(tank.text_prefix), 0, Kind::texts);
    for (std::size_t k = 0; k < report.designs.size(); ++k) {
      const Design& d = report.designs[k];
      Value v;
      const std::string refusal = tank.design.refusal_line(t, d);
      if (!refusal.empty()) v.texts.push_back(refusal);
      for (std::string& w : tank.design.warnings(t, d)) v.texts.push_back(std::move(w));
      for (std::string& p : parts_problems(t, parts_at(tank, k))) v.texts.push_back(std::move(p));
      for (std::string& w : coil_resonance_warnings(t, tank, k, d.f_mhz))
        v.texts.push_back(std::move(w));
      for (std::string& w : feed_warnings(t, report, tank, k)) v.texts.push_back(std::move(w));
      e.values.push_back(std::move(v));
    }
    b.entries.push_back(std::move(e));
  }
  return b;
}

}  // namespace

namespace {

// Each column's title in a grid of bands: "40 m · 7.100 MHz", or the
// frequency alone outside the bands.
void band_titles(doc::Block& b, const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  for (const Design& d : report.designs) {
    const std::string f = trimmed(mhz_field(d.f_mhz)) + ' ' + std::string(t.megahertz);
    const std::optional<Band> band = band_of(d.f_mhz);
    b.titles.push_back(band ? std::to_string(band->metres) + ' ' + std::string(t.metre) + " · " + f
                            : f);
    b.f_mhz.push_back(d.f_mhz);
  }
}

// A copy of the entry of a block (or of its own blocks) with this key and group.
const Entry* find_entry(const doc::Block& b, std::string_view key, std::string_view group) {
  for (const Entry& e : b.entries) {
    if (e.key == key && e.group == group) return &e;
  }
  for (const doc::Block& c : b.blocks) {
    if (c.columns() != b.columns()) continue;
    if (const Entry* e = find_entry(c, key, group)) return e;
  }
  return nullptr;
}

// What a builder winds and buys, band by band: the chosen network's
// answers (its description's list), each where the run has it.
doc::Block answers_block(const PlanReport& report, const doc::Block& network,
                         const TankOutputs& tank) {
  doc::Block b = grid_of(report, "");
  b.json = false;
  b.lead = true;
  b.heading = tank.answers_heading;
  band_titles(b, report);
  for (const AnswerKey& a : tank.answers) {
    if (const Entry* e = find_entry(network, a.key, a.group)) {
      Entry copy = *e;
      copy.column.clear();
      b.entries.push_back(std::move(copy));
    }
  }
  return b;
}

}  // namespace

doc::Block report_document(const PlanReport& report) {
  const std::vector<TankOutputs> tanks = tank_outputs(report);
  doc::Block root;
  root.layout = doc::Layout::none;
  root.present = {true};
  Entry raise_q = doc::entry("raise_q", "", "", "", 0, Kind::flag);
  raise_q.values.push_back(whole(report.raise_q ? 1.0 : 0.0));
  Entry network = doc::entry(output_key::network, "", "", "", 0, Kind::text);
  network.values.push_back(word(std::string(network_name(report.network))));
  root.entries = {std::move(raise_q), std::move(network)};
  std::size_t parts_at = 0;
  doc::Block designs = network_block(report, tanks.front(), true, parts_at);
  designs.key = "designs";
  designs.rows = true;
  designs.position = root.entries.size();
  // Every other network in its own object of the design, before the parts.
  for (std::size_t n = 1; n < tanks.size(); ++n) {
    std::size_t unused = 0;
    doc::Block b = network_block(report, tanks[n], false, unused);
    b.position = parts_at;
    designs.blocks.push_back(std::move(b));
  }
  band_titles(designs, report);
  const doc::Block& chosen =
      designs.blocks.empty() || tanks.size() == 1 ? designs : designs.blocks.back();
  root.blocks.push_back(answers_block(report, chosen, tanks.back()));
  root.blocks.push_back(report.inputs_block);
  root.blocks.push_back(std::move(designs));
  root.blocks.push_back(warnings_block(report, tanks));
  doc::Block summary = summary_block(report);
  summary.position = root.entries.size();
  root.blocks.push_back(std::move(summary));
  return root;
}

}  // namespace plan
