#include "plan/report/load_range_blocks.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

using doc::Entry;
using doc::Kind;
using doc::Value;
using K = LoadRangeKind;

constexpr int kMhzDecimals = 3;
constexpr int kField = 11;  // the reports' field width, its blanks trimmed

// A number as the table writes it, without its leading blanks.
std::string short_fixed(double v, int decimals) {
  return trimmed(numform::fixed(static_cast<float>(v), kField, decimals));
}
constexpr int kFilterDecimals = 2;

const NetworkLoadRange* circle_of(const PlanReport& report, const CircleSource& source,
                                  std::size_t k) {
  if (k >= report.load_ranges.size()) return nullptr;
  const std::optional<NetworkLoadRange>& n = report.load_ranges[k].*source.circle;
  return n ? &*n : nullptr;
}

bool shown(const PlanReport& report, const LoadRangeEntry& e) {
  return !e.with_variables || report.parts_options.capacitors.has_value();
}

std::string label_of(const PlanTexts& t, const LoadRangeEntry& e) {
  std::string s(t.*e.label);
  if (e.unit != nullptr) s += ", " + std::string(t.*e.unit);
  return s;
}

Value value_of(const PlanTexts& t, const LoadRangeEntry& e, const NetworkLoadRange* n) {
  Value v;
  if (n == nullptr) return v;
  const Extreme x = e.value(n->range);
  v.number = x.value;
  if (e.kind != K::extreme || x.load < 0) return v;
  v.at = x.load;
  const LoadPoint& p = n->range.points[static_cast<std::size_t>(x.load)];
  v.shown = load_text(t, p.r_ohm, p.x_ohm);
  return v;
}

doc::Record record_of(const CircleSource& source, const NetworkLoadRange& n, std::size_t k,
                      bool coil) {
  const LoadPoint& p = n.range.points[k];
  doc::Record r{{"r_ohm", Kind::number, p.r_ohm, {}},
                {"x_ohm", Kind::number, p.x_ohm, {}},
                {"matched", Kind::flag, p.matched() ? 1.0 : 0.0, {}},
                {"reason", Kind::text, doc::kNone, reason_key(p.reason)},
                {"l_needed_uh", Kind::number, p.l_needed_uh ? *p.l_needed_uh : doc::kNone, {}}};
  if (coil) {
    const std::optional<double> turns =
        k < n.l_needed_turns.size() ? n.l_needed_turns[k] : std::optional<double>();
    r.push_back({"l_needed_turns", Kind::number, turns ? *turns : doc::kNone, {}});
  }
  for (const PointValue& v : source.points) {
    r.push_back({v.key, Kind::number, p.matched() ? p.*v.member : doc::kNone, {}});
  }
  return r;
}

// The filtering warning of a circle, when it has one.
std::vector<std::string> filter_warning(const PlanReport& report, const LoadRange& r) {
  if (r.below_filter_count == 0) return {};
  const PlanTexts& t = plan_texts(report.language);
  return {
      fill(t.lr_filter_warning,
           {float_text(report.inputs.filter_db), float_text(*report.swr),
            counted(t.language, static_cast<std::uint64_t>(r.below_filter_count), t.matched_loads),
            short_fixed(r.filter_db_min.value, kFilterDecimals)})};
}

// The circle of each design: its heading, its values, the loads.
doc::Block circles_block(const PlanReport& report, const CircleSource& source,
                         LoadRangeBlocks& out) {
  const PlanTexts& t = plan_texts(report.language);
  const std::size_t n = report.designs.size();
  doc::Block b;
  b.key = "load_range";
  b.layout = doc::Layout::list;
  b.records_key = "points";
  b.records_position = 1;
  Entry swr = doc::entry("swr", "", "", "", 0, Kind::number);
  b.entries.push_back(swr);
  for (const LoadRangeEntry& e : source.entries) {
    if (!shown(report, e)) continue;
    const Kind kind = e.kind == K::count     ? Kind::count
                      : e.kind == K::extreme ? Kind::extreme
                                             : Kind::number;
    b.entries.push_back(doc::entry(e.key, "", std::string(source.csv_prefix) + std::string(e.key),
                                   label_of(t, e), e.decimals, kind));
  }
  Entry notes = doc::entry("", "", "", "", 0, Kind::texts);
  const bool coil = report.parts_options.coil.has_value();
  for (std::size_t k = 0; k < n; ++k) {
    const NetworkLoadRange* c = circle_of(report, source, k);
    b.present.push_back(c != nullptr);
    Value swr_value;
    swr_value.number = static_cast<double>(*report.swr);
    b.entries[0].values.push_back(swr_value);
    std::size_t i = 1;
    for (const LoadRangeEntry& e : source.entries) {
      if (shown(report, e)) b.entries[i++].values.push_back(value_of(t, e, c));
    }
    b.records.emplace_back();
    Value note;
    out.warnings.emplace_back();
    b.titles.emplace_back();
    if (c == nullptr) {
      notes.values.push_back(note);
      continue;
    }
    for (std::size_t p = 0; p < c->range.points.size(); ++p) {
      b.records.back().push_back(record_of(source, *c, p, coil));
    }
    b.titles.back() = fill(t.*source.heading,
                           {short_fixed(static_cast<double>(report.designs[k].f_mhz), kMhzDecimals),
                            counted(t.language, c->range.points.size(), t.loads),
                            float_text(*report.swr), float_text(report.inputs.r_load)});
    if (c->range.matched_count == 0) note.texts.emplace_back(t.lr_none);
    out.warnings.back() = filter_warning(report, c->range);
    for (const std::string& w : out.warnings.back()) note.texts.push_back(w);
    notes.values.push_back(std::move(note));
  }
  b.entries.push_back(std::move(notes));
  return b;
}

// The largest ratings and currents over every band and load, as lines.
doc::Block summary_block(const PlanReport& report, const CircleSource& source,
                         std::string_view prefix) {
  const PlanTexts& t = plan_texts(report.language);
  doc::Block b;
  b.json = false;
  b.layout = doc::Layout::lines;
  b.present = {true};
  b.heading = std::string(prefix) + fill(t.lr_summary_heading, {float_text(*report.swr)});
  Value lines;
  for (const LoadRangeEntry* e : summary_entries(source)) {
    if (!shown(report, *e)) continue;
    const Largest l = largest(report, source, *e);
    if (l.at.load < 0) continue;
    const LoadPoint& p = (report.load_ranges[l.design].*source.circle)
                             ->range.points[static_cast<std::size_t>(l.at.load)];
    lines.texts.push_back(
        fill(t.lr_summary_line,
             {label_of(t, *e), short_fixed(l.at.value, e->decimals),
              short_fixed(static_cast<double>(report.designs[l.design].f_mhz), kMhzDecimals),
              load_text(t, p.r_ohm, p.x_ohm)}));
  }
  Entry e = doc::entry("", "", "", "", 0, Kind::texts);
  e.values.push_back(std::move(lines));
  b.entries.push_back(std::move(e));
  return b;
}

}  // namespace

LoadRangeBlocks load_range_blocks(const PlanReport& report, const CircleSource& source,
                                  std::string_view prefix) {
  LoadRangeBlocks out;
  out.warnings.assign(report.designs.size(), {});
  if (!report.swr) return out;
  out.warnings.clear();
  doc::Block circles = circles_block(report, source, out);
  const bool any =
      std::find(circles.present.begin(), circles.present.end(), true) != circles.present.end();
  out.blocks.push_back(std::move(circles));
  if (any) out.blocks.push_back(summary_block(report, source, prefix));
  return out;
}

}  // namespace plan
