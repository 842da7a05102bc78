#include "plan/report/choke_search_report.hpp"

#include <array>
#include <string>
#include <utility>

#include "plan/report/coil_calculator.hpp"
#include "plan/report/feed_blocks.hpp"
#include "plan/report/stage_design.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

using doc::Entry;
using doc::Kind;
using doc::Value;

constexpr double kHzPerMhz = 1e6;

double d(float x) {
  return static_cast<double>(x);
}

Value number(double v) {
  Value out;
  out.number = v;
  return out;
}

Entry one(std::string_view key, Kind kind, Value v) {
  Entry e = doc::entry(key, "", "", "", 0, kind);
  e.wide = true;
  e.values.push_back(std::move(v));
  return e;
}

}  // namespace

ChokeSearchReport choke_search_report(const Settings& s) {
  ChokeSearchReport r;
  r.options = *s.choke_search;
  r.f_mhz = s.f_mhz;
  r.language = s.language;
  const std::vector<Design> designs = design_all(s.inputs, s.f_mhz, s.raise_q);
  for (const Design& design : designs) {
    if (!design.completed() || (r.designed && !(design.f_mhz < r.f_low_mhz))) continue;
    r.designed = true;
    r.f_low_mhz = design.f_mhz;
    r.r_oe_ohm = d(design.record.results.r_oe);
  }
  if (!r.designed) return r;
  choke_search::Request q{geometry(r.options.winding), {}, r.r_oe_ohm, d(r.options.x_min)};
  // The bands as typed, so that a band is told as it was given.
  for (const float f : s.f_mhz) q.bands_hz.push_back(typed_number(f) * kHzPerMhz);
  r.result = choke_search::search(q);
  return r;
}

std::string_view search_reason_key(const ChokeSearchReport& r) {
  if (!r.designed) return "no_design";
  constexpr std::array<std::string_view, 6> kKeys{
      "none",           "invalid_winding",         "invalid_bands",
      "invalid_limits", "reactance_below_minimum", "series_resonance_at_band"};
  return kKeys.at(static_cast<std::size_t>(r.result.reason));
}

namespace {

// Why no turns count will do, in words.
std::string why_none(const ChokeSearchReport& r, const FeedTexts& f) {
  if (!r.designed) return std::string(f.cs_no_design);
  switch (r.result.reason) {
    case choke_search::Reason::reactance_below_minimum:
      return fill(f.cs_below_minimum,
                  {float_text(static_cast<float>(coil::kMaxTurns)), fixed_text(d(r.f_low_mhz), 3),
                   fixed_text(d(r.options.x_min) * r.r_oe_ohm, 0)});
    case choke_search::Reason::series_resonance_at_band:
      return std::string(f.cs_at_band);
    default:
      return std::string(f.cs_invalid);
  }
}

// The terms: R_oe, the floor, the turns scanned; the reason when none will do.
std::vector<doc::Block> terms(const ChokeSearchReport& r, const PlanTexts& t) {
  const FeedTexts& f = t.feed;
  const double floor = d(r.options.x_min) * r.r_oe_ohm;
  const double none = doc::kNone;
  doc::Block json;
  json.key = "search";
  json.layout = doc::Layout::none;
  json.present = {true};
  json.entries = {
      one("f_low_mhz", Kind::number, number(r.designed ? typed_number(r.f_low_mhz) : none)),
      one("r_oe_ohm", Kind::number, number(r.designed ? r.r_oe_ohm : none)),
      one("x_min", Kind::number, number(d(r.options.x_min))),
      one("x_min_ohm", Kind::number, number(r.designed ? floor : none)),
      one("min_turns", Kind::number, number(r.result.min_turns)),
      one("max_turns", Kind::number, number(r.result.max_turns))};
  Value reason;
  reason.text = search_reason_key(r);
  json.entries.push_back(one("reason", Kind::text, std::move(reason)));
  doc::Block lines;
  lines.json = false;
  lines.layout = doc::Layout::lines;
  lines.present = {true};
  lines.blank_before = true;
  const CoilOptions& w = r.options.winding;
  lines.heading = fill(f.cs_heading,
                       {float_text(w.diameter_mm), float_text(w.wire_mm), float_text(w.pitch_mm)});
  Value v;
  if (r.designed) {
    v.texts.push_back(fill(f.cs_floor, {fixed_text(d(r.f_low_mhz), 3), fixed_text(r.r_oe_ohm, 1),
                                        float_text(r.options.x_min), fixed_text(floor, 0)}));
  }
  if (r.result.max_turns > 0.0) {
    v.texts.push_back(fill(f.cs_interval,
                           {fixed_text(r.result.min_turns, 2), fixed_text(r.result.max_turns, 2)}));
  }
  if (r.result.best.empty()) v.texts.push_back(fill(f.cs_none, {why_none(r, f)}));
  Entry e = doc::entry("", "", "", "", 0, Kind::texts);
  e.values.push_back(std::move(v));
  lines.entries.push_back(std::move(e));
  return {json, lines};
}

// A value of every candidate: its JSON key and CSV column, its label and decimals.
struct CandidateLine {
  std::string_view key;
  FeedField label;
  int decimals;
  double (*value)(const choke_search::Candidate&);
};

using C = choke_search::Candidate;
const std::array<CandidateLine, 7> kCandidateLines{{
    // The turns head each candidate's list in the table.
    {"turns", nullptr, 2, [](const C& c) { return c.turns; }},
    {"l_uh", &FeedTexts::cs_l, 2, [](const C& c) { return c.inductance_uh; }},
    {"margin_pct", &FeedTexts::cs_margin, 2, [](const C& c) { return c.margin_pct; }},
    {"nearest_band_mhz", &FeedTexts::cs_band, 3, [](const C& c) { return c.nearest_band_mhz; }},
    {"nearest_series_mhz", &FeedTexts::cs_series, 3,
     [](const C& c) { return c.nearest_series_mhz; }},
    {"x_lowest_ohm", &FeedTexts::cs_x, 0, [](const C& c) { return c.x_lowest_ohm; }},
    {"delta_c1_pf_lowest", &FeedTexts::cs_delta_c1, 1, [](const C& c) { return c.c1_change_pf; }},
}};

// The resonances: JSON lists, CSV cells of numbers between blanks, table lines.
void resonance_entries(doc::Block& b, const std::vector<C>& best) {
  for (const auto& [key, of] :
       {std::pair{"parallel_mhz", &C::parallel_mhz}, std::pair{"series_mhz", &C::series_mhz}}) {
    Entry json = doc::entry(key, "", "", "", 0, Kind::numbers);
    json.wide = true;
    Entry csv = doc::entry("", "", key, "", 0, Kind::text);
    for (const C& c : best) {
      Value list;
      list.numbers = c.*of;
      json.values.push_back(std::move(list));
      Value cells;
      for (const double f : c.*of) {
        if (!cells.text.empty()) cells.text += ' ';
        cells.text += float_text(static_cast<float>(f));
      }
      csv.values.push_back(std::move(cells));
    }
    b.entries.push_back(std::move(json));
    b.entries.push_back(std::move(csv));
  }
}

// The resonances as the table's lines under the values.
Entry resonance_lines(const std::vector<C>& best, const PlanTexts& t) {
  Entry lines = doc::entry("", "", "", "", 0, Kind::texts);
  for (const C& c : best) {
    Value v;
    v.texts = {fill(t.feed.cs_parallel_list, {resonance_list_text(t, c.parallel_mhz)}),
               fill(t.feed.cs_series_list, {resonance_list_text(t, c.series_mhz)})};
    lines.values.push_back(std::move(v));
  }
  return lines;
}

doc::Block candidates(const ChokeSearchReport& r, const PlanTexts& t) {
  doc::Block b = calculator_block("candidates");
  const std::vector<C>& best = r.result.best;
  for (std::size_t i = 0; i < best.size(); ++i) {
    b.present.push_back(true);
    b.titles.push_back(
        fill(t.feed.cs_title, {std::to_string(i + 1), fixed_text(best[i].turns, 2)}));
  }
  for (const CandidateLine& line : kCandidateLines) {
    const std::string label = line.label != nullptr ? std::string(t.feed.*line.label) : "";
    Entry e = doc::entry(line.key, "", std::string(line.key), label, line.decimals, Kind::number);
    e.wide = true;
    for (const C& c : best) e.values.push_back(number(line.value(c)));
    b.entries.push_back(std::move(e));
    // The resonances after the values the JSON's order begins with.
    if (line.key == "l_uh") resonance_entries(b, best);
  }
  b.entries.push_back(resonance_lines(best, t));
  return b;
}

}  // namespace

std::vector<doc::Block> choke_search_blocks(const ChokeSearchReport& r) {
  const PlanTexts& t = plan_texts(r.language);
  std::vector<doc::Block> out = terms(r, t);
  out.push_back(candidates(r, t));
  if (r.result.best.empty()) return out;
  doc::Block note;
  note.json = false;
  note.layout = doc::Layout::lines;
  note.present = {true};
  note.blank_before = true;
  Value v;
  v.texts = lines_of(t.feed.cs_note);
  note.indent.assign(1, ' ');
  Entry e = doc::entry("", "", "", "", 0, Kind::texts);
  e.values.push_back(std::move(v));
  note.entries.push_back(std::move(e));
  out.push_back(std::move(note));
  return out;
}

}  // namespace plan
