#include "plan/report/summary_blocks.hpp"

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "plan/report/feed_blocks.hpp"
#include "plan/report/tank_outputs.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"
#include "printer/numform.hpp"

namespace plan {

namespace {

using doc::Entry;
using doc::Kind;
using doc::single;
using doc::Value;

constexpr int kField = 11;  // the reports' field width, its blanks trimmed
constexpr double kMillimetresPerMetre = 1e3;

// A table line of its own: its heading only.
doc::Block line(std::string text) {
  doc::Block b = single("", doc::Layout::lines);
  b.json = false;
  b.heading = std::move(text);
  b.blank_after = false;
  return b;
}

Value at_frequency(const AtFrequency& a) {
  Value v;
  v.number = static_cast<double>(a.value);
  v.members = {{"value", Kind::number, static_cast<double>(a.value), {}},
               {"f_mhz", Kind::number, static_cast<double>(a.f_mhz), {}}};
  return v;
}

Value span(const Span& s) {
  Value v;
  v.number = static_cast<double>(s.min.value);
  v.members = {{"min", Kind::number, static_cast<double>(s.min.value), {}},
               {"min_f_mhz", Kind::number, static_cast<double>(s.min.f_mhz), {}},
               {"max", Kind::number, static_cast<double>(s.max.value), {}},
               {"max_f_mhz", Kind::number, static_cast<double>(s.max.f_mhz), {}}};
  return v;
}

Entry one(std::string_view key, std::string label, int decimals, Kind kind, Value v) {
  Entry e = doc::entry(key, "", "", std::move(label), decimals, kind);
  e.values.push_back(std::move(v));
  return e;
}

// The ranges of a network's elements; not present when none completed.
doc::Block ranges_block(const PlanTexts& t, std::string_view key, std::string_view heading,
                        const std::vector<SpanValue>& list, const std::optional<Spans>& spans) {
  doc::Block b = single(key, doc::Layout::ranges);
  b.heading = heading;
  b.words = {std::string(t.from), std::string(t.to), std::string(t.megahertz)};
  b.present = {spans.has_value()};
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Value v = spans && i < spans->size() ? span((*spans)[i]) : Value{};
    b.entries.push_back(
        one(list[i].key, std::string(t.*list[i].label), kSpanDecimals, Kind::object, v));
  }
  return b;
}

// The heaviest duty of each element, a row each.
doc::Block maxima_block(const PlanTexts& t, const std::optional<ElementDuties>& duties) {
  doc::Block b = single("maxima", doc::Layout::matrix);
  b.heading = t.duties_heading;
  b.words = {std::string(t.megahertz)};
  b.present = {duties.has_value()};
  const auto row = [&](std::string_view key, std::string_view label, const Duty* d) {
    doc::Block r = single(key, doc::Layout::none);
    r.heading = label;
    const auto v = [&](const AtFrequency Duty::*m) { return d ? at_frequency(d->*m) : Value{}; };
    r.entries.push_back(one("i_a", std::string(t.duty_current), kCurrentDecimals, Kind::object,
                            v(&Duty::current_a)));
    r.entries.push_back(one("u_rms", std::string(t.duty_voltage), kVoltageDecimals, Kind::object,
                            v(&Duty::voltage_v)));
    r.entries.push_back(one("q_var", std::string(t.duty_reactive), kReactiveDecimals, Kind::object,
                            v(&Duty::reactive_var)));
    b.blocks.push_back(std::move(r));
  };
  row("c1", t.capacitor_c1, duties ? &duties->c1 : nullptr);
  row("l", "L", duties ? &duties->coil : nullptr);
  row("c2", t.capacitor_c2, duties ? &duties->c2 : nullptr);
  Value note;
  note.texts.emplace_back(t.duty_note);
  b.entries.push_back(one("", "", 0, Kind::texts, std::move(note)));
  return b;
}

// The frequencies where the hot capacitance is below the variable's minimum.
std::string hot_cap_text(const PlanTexts& t, const Summary& s) {
  if (s.hot_cap_below_min_f_mhz.empty()) return std::string(t.hot_cap_below_min_none);
  std::string list;
  for (const float f : s.hot_cap_below_min_f_mhz) {
    list += (list.empty() ? "" : ", ") + trimmed(mhz_field(f));
  }
  return fill(t.hot_cap_below_min, {list + ' ' + std::string(t.megahertz)});
}

// A length or count for a person: the given decimals, trimmed.
std::string amount(double v, int decimals) {
  return trimmed(numform::fixed(static_cast<float>(v), kField, decimals));
}

// The JSON of a network's parts over the bands: the largest ratings and the coil.
void parts_json(doc::Block& into, const PlanReport& report, const PartsSummary& s) {
  doc::Block largest = single("largest_ratings", doc::Layout::none);
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (kPartLines[i].summary_name == nullptr) continue;
    largest.entries.push_back(one(kPartLines[i].key, "", 0, Kind::object,
                                  s.largest[i] ? at_frequency(*s.largest[i]) : Value{}));
  }
  into.blocks.push_back(std::move(largest));
  if (!report.parts_options.coil) return;
  doc::Block coil = single("coil", doc::Layout::none);
  coil.present = {s.coil && s.coil->coil};
  if (coil.present[0]) {
    const coil::Winding& c = *s.coil->coil;
    const auto f = [](double v) { return static_cast<double>(static_cast<float>(v)); };
    const auto number = [](double v) {
      Value out;
      out.number = v;
      return out;
    };
    coil.entries.push_back(one("turns", "", 0, Kind::number, number(f(c.turns))));
    coil.entries.push_back(
        one("length_mm", "", 0, Kind::number, number(f(c.length_m * kMillimetresPerMetre))));
    coil.entries.push_back(one("conductor_m", "", 0, Kind::number, number(f(c.conductor_m))));
    if (s.whole) {
      coil.entries.push_back(one("c_self_pf", "", 0, Kind::number,
                                 number(f(s.whole->c_self_f * kPicofaradsPerFarad))));
      coil.entries.push_back(
          one("srf_mhz", "", 0, Kind::number, number(f(s.whole->srf_hz * kMegahertzPerHz))));
    }
    coil.records_key = "taps";
    coil.records_position = coil.entries.size();
    coil.records.emplace_back();
    for (std::size_t k = 0; k < s.coil->taps.size() && k < s.tap_f_mhz.size(); ++k) {
      coil.records[0].push_back({{"f_mhz", Kind::number, static_cast<double>(s.tap_f_mhz[k]), {}},
                                 {"turns", Kind::number, f(s.coil->taps[k]), {}}});
    }
  } else {
    coil.records.emplace_back();
  }
  into.blocks.push_back(std::move(coil));
}

// The one tapped coil's lines: the whole winding, its resonance, the taps.
std::vector<std::string> coil_texts(const PlanTexts& t, const PartsSummary& s) {
  std::vector<std::string> out;
  const coil::Tapped& tapped = *s.coil;
  if (!tapped.coil) {
    const float f = tapped.band < s.tap_f_mhz.size() ? s.tap_f_mhz[tapped.band] : 0.0f;
    out.push_back(fill(
        t.coil_failed,
        {trimmed(mhz_field(f)), t.coil_problems.at(static_cast<std::size_t>(tapped.problem))}));
    return out;
  }
  out.push_back(fill(t.coil_whole, {amount(tapped.coil->turns, 2),
                                    amount(tapped.coil->length_m * kMillimetresPerMetre, 1),
                                    amount(tapped.coil->conductor_m, 2)}));
  if (s.whole) {
    out.push_back(fill(t.coil_whole_resonance, {amount(s.whole->c_self_f * kPicofaradsPerFarad, 2),
                                                amount(s.whole->srf_hz * kMegahertzPerHz, 2)}));
  }
  for (std::size_t k = 0; k < tapped.taps.size() && k < s.tap_f_mhz.size(); ++k) {
    out.push_back(
        fill(t.coil_tap, {trimmed(mhz_field(s.tap_f_mhz[k])), amount(tapped.taps[k], 2)}));
  }
  return out;
}

// A note of several lines, each a line of the table under its coil.
doc::Block note_lines(std::string_view text) {
  Value note;
  std::string_view rest = text;
  for (std::size_t end = rest.find('\n'); !rest.empty(); end = rest.find('\n')) {
    note.texts.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  doc::Block n = single("", doc::Layout::lines);
  n.json = false;
  n.blank_after = false;
  n.indent = " ";
  n.entries.push_back(one("", "", 0, Kind::texts, std::move(note)));
  return n;
}

doc::Block coil_lines(const PlanReport& report, const TankOutputs& tank) {
  const PlanTexts& t = texts_of(report);
  const CoilOptions& o = *report.parts_options.coil;
  doc::Block coil = line(std::string(tank.text_prefix) +
                         fill(t.coil_heading, {float_text(o.diameter_mm), float_text(o.wire_mm),
                                               float_text(o.pitch_mm)}));
  Value c;
  c.texts = coil_texts(t, *tank.parts_summary);
  coil.entries.push_back(one("", "", 0, Kind::texts, std::move(c)));
  if (!tank.parts_note.empty()) coil.blocks.push_back(note_lines(tank.parts_note));
  return coil;
}

// The table's lines of a network's parts over the bands: the largest
// ratings and the one tapped coil; none when no band has parts.
doc::Block parts_lines(const PlanReport& report, const TankOutputs& tank) {
  const PlanTexts& t = texts_of(report);
  const PartsSummary& s = *tank.parts_summary;
  const PartsOptions& o = report.parts_options;
  doc::Block b =
      line(std::string(tank.text_prefix) +
           fill(t.parts_heading, {float_text(o.margin),
                                  o.feed == ratings::Feed::series ? t.feed_series : t.feed_shunt}));
  b.blank_before = true;
  Value v;
  for (std::size_t i = 0; i < kPartLines.size(); ++i) {
    if (kPartLines[i].summary_name == nullptr || !s.largest[i]) continue;
    v.texts.push_back(fill(t.largest_rating, {t.*kPartLines[i].summary_name,
                                              amount(static_cast<double>(s.largest[i]->value), 0),
                                              trimmed(mhz_field(s.largest[i]->f_mhz))}));
  }
  b.entries.push_back(one("", "", 0, Kind::texts, std::move(v)));
  if (b.entries.back().values[0].texts.empty()) b.heading.clear();
  if (!o.coil || !s.coil) return b;
  b.blocks.push_back(coil_lines(report, tank));
  return b;
}

// The JSON and the lines of the load circles over every band.
doc::Block circles_summary(const PlanReport& report, const std::vector<TankOutputs>& tanks) {
  doc::Block b = single("load_range", doc::Layout::none);
  for (std::size_t n = 0; n < tanks.size(); ++n) {
    doc::Block own = single(tanks[n].json_key, doc::Layout::none);
    Value swr;
    swr.number = static_cast<double>(*report.swr);
    own.entries.push_back(one("swr", "", 0, Kind::number, swr));
    for (const LoadRangeEntry* e : summary_entries(*tanks[n].circles)) {
      if (e->with_variables && !report.parts_options.capacitors) continue;
      const Largest l = largest(report, *tanks[n].circles, *e);
      Value v;
      if (l.at.load >= 0) {
        const LoadPoint& p = (report.load_ranges[l.design].*tanks[n].circles->circle)
                                 ->range.points[static_cast<std::size_t>(l.at.load)];
        v.number = l.at.value;
        v.members = {
            {"value", Kind::number, l.at.value, {}},
            {"f_mhz", Kind::number, static_cast<double>(report.designs[l.design].f_mhz), {}},
            {"load", Kind::count, static_cast<double>(l.at.load), {}},
            {"r_ohm", Kind::number, p.r_ohm, {}},
            {"x_ohm", Kind::number, p.x_ohm, {}}};
      }
      own.entries.push_back(one(e->key, "", 0, Kind::object, std::move(v)));
    }
    if (own.key.empty()) {
      b.entries = std::move(own.entries);
    } else {
      own.position = b.entries.size();
      b.blocks.push_back(std::move(own));
    }
  }
  return b;
}

// The counts, the plain Pi's ranges and duties and the hot capacitance.
void plain_pi_summary(doc::Block& b, const PlanReport& report, const TankOutputs& pi) {
  const PlanTexts& t = texts_of(report);
  const Summary& s = report.summary;
  Value completed;
  completed.number = s.completed;
  Value refused;
  refused.number = s.refused;
  b.entries.push_back(one("completed", "", 0, Kind::count, completed));
  b.entries.push_back(one("refused", "", 0, Kind::count, refused));
  b.blocks.push_back(
      line(fill(t.summary_counts, {std::to_string(s.completed), std::to_string(s.refused)})));
  const bool whole = s.spans && s.duties;
  doc::Block ranges = ranges_block(t, pi.ranges_key, pi.span_heading, *pi.span_values,
                                   whole ? s.spans : std::nullopt);
  ranges.position = b.entries.size();
  b.blocks.push_back(std::move(ranges));
  doc::Block maxima = maxima_block(t, whole ? s.duties : std::nullopt);
  maxima.position = b.entries.size();
  b.blocks.push_back(std::move(maxima));
  if (!whole) return;
  Value hot;
  for (const float f : s.hot_cap_below_min_f_mhz) hot.numbers.push_back(static_cast<double>(f));
  b.entries.push_back(one("hot_cap_below_min_f_mhz", "", 0, Kind::numbers, std::move(hot)));
  b.blocks.push_back(line(hot_cap_text(t, s)));
}

// Each network's parts over the bands in JSON: the plain Pi's in the
// summary itself, every other's in an object of its own.
void parts_summaries(doc::Block& b, const PlanReport& report,
                     const std::vector<TankOutputs>& tanks) {
  for (const TankOutputs& tank : tanks) {
    if (tank.parts->empty()) continue;
    doc::Block json = single(tank.parts_key, doc::Layout::none);
    parts_json(json, report, *tank.parts_summary);
    if (tank.parts_key.empty()) {
      for (doc::Block& c : json.blocks) b.blocks.push_back(std::move(c));
    } else {
      b.blocks.push_back(std::move(json));
    }
  }
}

}  // namespace

doc::Block summary_block(const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  const std::vector<TankOutputs> tanks = tank_outputs(report);
  doc::Block b = single("summary", doc::Layout::none);
  plain_pi_summary(b, report, tanks.front());
  const std::size_t first = b.blocks.size();
  for (std::size_t n = 1; n < tanks.size(); ++n) {
    if (!*tanks[n].spans) continue;
    b.blocks.push_back(ranges_block(t, tanks[n].ranges_key, tanks[n].span_heading,
                                    *tanks[n].span_values, *tanks[n].spans));
  }
  parts_summaries(b, report, tanks);
  if (report.swr) b.blocks.push_back(circles_summary(report, tanks));
  for (const TankOutputs& tank : tanks) {
    if (!tank.parts->empty()) b.blocks.push_back(parts_lines(report, tank));
  }
  for (doc::Block& c : choke_summary_blocks(report)) b.blocks.push_back(std::move(c));
  for (std::size_t i = first; i < b.blocks.size(); ++i) b.blocks[i].position = b.entries.size();
  return b;
}

}  // namespace plan
