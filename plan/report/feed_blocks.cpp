#include "plan/report/feed_blocks.hpp"

#include <utility>

#include "parts/feed.hpp"
#include "plan/texts/number_text.hpp"
#include "plan/texts/text_layout.hpp"

namespace plan {

namespace {

using doc::single;

using doc::Entry;
using doc::Kind;
using doc::Value;

constexpr double kPercent = 100.0;
constexpr double kMmPerMetre = 1e3;
constexpr int kMhzDecimals = 3;  // a frequency in the warnings and the summary's lists
constexpr int kListDecimals = 2;

std::optional<double> choke_value(const Parts& p, double ChokeAt::*m) {
  if (!p.choke) return std::nullopt;
  return (*p.choke).*m;
}

std::optional<double> blocking_value(const Parts& p, double BlockingAt::*m) {
  if (!p.blocking) return std::nullopt;
  return (*p.blocking).*m;
}

}  // namespace

// In the order of the JSON objects: the choke's values, then the blocking
// capacitor's.
const std::array<FeedLine, 17> kFeedLines{{
    {kChokeGroup, "x_ohm", &FeedTexts::choke_x, 1, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::x_ohm); }},
    {kChokeGroup, "r_ohm", &FeedTexts::choke_r, 2, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::r_ohm); }},
    {kChokeGroup, "z_ohm", &FeedTexts::choke_z, 1, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::z_ohm); }},
    {kChokeGroup, "i_rf_a", &FeedTexts::choke_i_rf, 3, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::i_rf_a); }},
    {kChokeGroup, "loss_w", &FeedTexts::choke_loss, 3, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::loss_w); }},
    {kChokeGroup, "delta_c1_pf", &FeedTexts::choke_delta_c1, 1, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::delta_c1_pf); }},
    {kChokeGroup, "c1_reachable", &FeedTexts::choke_c1_reachable, 0, Kind::flag,
     [](const Parts& p) -> std::optional<double> {
       if (!p.choke || !p.choke->c1) return std::nullopt;
       return p.choke->c1->reachable ? 1.0 : 0.0;
     }},
    {kChokeGroup, "nearest_series_mhz", &FeedTexts::choke_series_near, 3, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::nearest_series_mhz); }},
    {kChokeGroup, "nearest_series_pct", &FeedTexts::choke_series_pct, 1, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::nearest_series_pct); }},
    {kChokeGroup, "i_dc_a", &FeedTexts::choke_i_dc, 3, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::i_dc_a); }},
    {kChokeGroup, "dc_drop_v", &FeedTexts::choke_dc_drop, 2, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::dc_drop_v); }},
    {kChokeGroup, "j_a_mm2", &FeedTexts::choke_density, 2, Kind::number,
     [](const Parts& p) { return choke_value(p, &ChokeAt::j_a_mm2); }},
    {kBlockingGroup, "c_min_pf", &FeedTexts::blocking_c_min, 0, Kind::number,
     [](const Parts& p) { return blocking_value(p, &BlockingAt::c_min_pf); }},
    {kBlockingGroup, "c_pf", &FeedTexts::blocking_c, 0, Kind::number,
     [](const Parts& p) { return blocking_value(p, &BlockingAt::c_pf); }},
    {kBlockingGroup, "x_pct", &FeedTexts::blocking_x_pct, 2, Kind::number,
     [](const Parts& p) { return blocking_value(p, &BlockingAt::x_pct); }},
    {kBlockingGroup, "i_rf_a", &FeedTexts::blocking_i_rf, 3, Kind::number,
     [](const Parts& p) { return blocking_value(p, &BlockingAt::i_rf_a); }},
    {kBlockingGroup, "q_var", &FeedTexts::blocking_q, 1, Kind::number,
     [](const Parts& p) { return blocking_value(p, &BlockingAt::q_var); }},
}};

namespace {

bool shown(const FeedLine& line, const PlanReport& report) {
  if (line.group == kChokeGroup && !report.choke) return false;
  return line.kind != Kind::flag || report.parts_options.capacitors.has_value();
}

Value number(std::optional<double> v) {
  Value out;
  if (v) out.number = *v;
  return out;
}

// A line's entry, and for a flag the table's words of it beside.
void line_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank,
                  const FeedLine& line) {
  const FeedTexts& t = texts_of(report).feed;
  const std::string label(t.*line.label);
  const bool flag = line.kind == Kind::flag;
  Entry e = doc::entry(
      line.key, line.group,
      std::string(tank.key_prefix) + std::string(line.group) + '_' + std::string(line.key),
      flag ? std::string() : label, line.decimals, line.kind);
  Entry words = doc::entry("", "", "", label, 0, Kind::text);
  for (std::size_t k = 0; k < report.designs.size(); ++k) {
    const Parts* p = parts_at(tank, k);
    Value v = p != nullptr ? number(line.value(*p)) : Value{};
    v.absent = p == nullptr;
    Value w;
    if (p != nullptr && v.known()) w.text = v.number != 0.0 ? t.yes : t.no;
    e.values.push_back(std::move(v));
    words.values.push_back(std::move(w));
  }
  b.entries.push_back(std::move(e));
  if (flag) b.entries.push_back(std::move(words));
}

}  // namespace

void feed_entries(doc::Block& b, const PlanReport& report, const TankOutputs& tank) {
  if (report.parts_options.feed != ratings::Feed::shunt) return;
  if (tank.parts == nullptr || tank.parts->size() != report.designs.size()) return;
  for (const FeedLine& line : kFeedLines) {
    if (shown(line, report)) line_entries(b, report, tank, line);
  }
}

namespace {

std::string limit_text(double v) {
  return float_text(static_cast<float>(v));
}

void choke_warnings(const PlanTexts& t, const PlanReport& report, const ChokeAt& c,
                    std::vector<std::string>& out) {
  const FeedTexts& f = t.feed;
  const float guard = report.parts_options.choke->guard_pct;
  if (c.nearest_series_pct <= static_cast<double>(guard)) {
    std::string w = fill(f.choke_near_series,
                         {float_text(guard), fixed_text(c.nearest_series_mhz, kMhzDecimals),
                          fixed_text(c.nearest_series_pct, 1)});
    if (!report.choke->calibrated) w += f.choke_uncalibrated;
    out.push_back(std::move(w));
  }
  if (c.c1 && !c.c1->reachable) {
    out.push_back(fill(f.choke_c1_unreachable,
                       {fixed_text(c.delta_c1_pf, 1),
                        t.tuning_reasons.at(static_cast<std::size_t>(c.c1->reason))}));
  }
  if (c.loss_w > kChokeLossShare * static_cast<double>(report.inputs.p_out)) {
    out.push_back(
        fill(f.choke_loss_high, {fixed_text(c.loss_w, 2), limit_text(kChokeLossShare * kPercent)}));
  }
  if (c.j_a_mm2 > kChokeDensityLimit) {
    out.push_back(
        fill(f.choke_density_high, {fixed_text(c.j_a_mm2, 2), limit_text(kChokeDensityLimit)}));
  }
}

}  // namespace

std::vector<std::string> feed_warnings(const PlanTexts& t, const PlanReport& report,
                                       const TankOutputs& tank, std::size_t k) {
  std::vector<std::string> out;
  const Parts* p = parts_at(tank, k);
  if (p == nullptr) return out;
  if (p->choke && report.choke) choke_warnings(t, report, *p->choke, out);
  const double share_pct = feed::kBlockingShare * kPercent;
  if (p->blocking && p->blocking->x_pct > share_pct) {
    const BlockingAt& b = *p->blocking;
    out.push_back(fill(t.feed.blocking_small, {fixed_text(b.c_pf, 0), fixed_text(b.x_pct, 2),
                                               limit_text(share_pct), fixed_text(b.c_min_pf, 0)}));
  }
  return out;
}

namespace {

Entry one(std::string_view key, Kind kind, Value v) {
  Entry e = doc::entry(key, "", "", "", 0, kind);
  e.values.push_back(std::move(v));
  return e;
}

Value numbers(const std::vector<double>& list) {
  Value v;
  v.numbers = list;
  return v;
}

doc::Block choke_json(const PlanReport& report) {
  const ChokeSummary& s = *report.choke;
  const coil::Winding w = coil::winding(s.choke.turns, s.choke.g);
  doc::Block b = single("choke", doc::Layout::none);
  b.entries.push_back(one("turns", Kind::number, number(s.choke.turns)));
  b.entries.push_back(one("l_uh", Kind::number, number(s.at_bands.inductance_uh)));
  b.entries.push_back(one("length_mm", Kind::number, number(w.length_m * kMmPerMetre)));
  b.entries.push_back(one("r_dc_ohm", Kind::number, number(s.r_dc_ohm)));
  b.entries.push_back(one("length_scale", Kind::number, number(s.choke.length_scale)));
  b.entries.push_back(one("calibrated", Kind::flag, number(s.calibrated ? 1.0 : 0.0)));
  b.entries.push_back(one("parallel_mhz", Kind::numbers, numbers(s.at_bands.parallel_mhz)));
  b.entries.push_back(one("series_mhz", Kind::numbers, numbers(s.at_bands.series_mhz)));
  return b;
}

doc::Block choke_lines(const PlanReport& report) {
  const PlanTexts& t = texts_of(report);
  const FeedTexts& f = t.feed;
  const ChokeSummary& s = *report.choke;
  const ChokeOptions& o = *report.parts_options.choke;
  doc::Block b = single("", doc::Layout::lines);
  b.json = false;
  b.blank_before = true;
  b.blank_after = false;
  b.heading =
      fill(f.choke_heading, {float_text(o.winding.diameter_mm), float_text(o.winding.wire_mm),
                             float_text(o.winding.pitch_mm), float_text(o.turns)});
  const coil::Winding w = coil::winding(s.choke.turns, s.choke.g);
  Value v;
  v.texts.push_back(
      fill(f.choke_l_line, {fixed_text(s.at_bands.inductance_uh, 2),
                            fixed_text(w.length_m * kMmPerMetre, 1), fixed_text(s.r_dc_ohm, 3)}));
  v.texts.push_back(fill(f.choke_parallel_line, {resonance_list_text(t, s.at_bands.parallel_mhz)}));
  v.texts.push_back(fill(f.choke_series_line, {resonance_list_text(t, s.at_bands.series_mhz)}));
  if (s.calibrated) {
    v.texts.push_back(fill(f.choke_calibrated, {float_text(*o.series_mhz),
                                                fixed_text(s.model_series_mhz, kListDecimals)}));
  } else {
    for (std::string& l : lines_of(f.choke_uncalibrated_line)) v.texts.push_back(std::move(l));
  }
  b.entries.push_back(one("", Kind::texts, std::move(v)));
  return b;
}

}  // namespace

std::string resonance_list_text(const PlanTexts& t, const std::vector<double>& mhz) {
  std::string out;
  for (const double f : mhz) out += (out.empty() ? "" : ", ") + fixed_text(f, kListDecimals);
  return out.empty() ? std::string(t.none) : out;
}

std::vector<doc::Block> choke_summary_blocks(const PlanReport& report) {
  std::vector<doc::Block> out;
  if (!report.choke || !report.parts_options.choke) return out;
  out.push_back(choke_json(report));
  out.push_back(choke_lines(report));
  return out;
}

}  // namespace plan
