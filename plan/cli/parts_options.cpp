#include "plan/cli/parts_options.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "plan/cli/option_table.hpp"

namespace plan {

namespace {

using O = OptionId;

// --c2-range MIN:MAX.
void read_c2_range(const PlanTexts& t, const Given& g, CapacitorOptions& caps,
                   std::vector<std::string>& errors) {
  const OptionSpec& o = option(O::c2_range);
  const std::optional<std::string> text = single(t, g, expected_text(t, o), errors);
  if (!text) return;
  const std::size_t colon = text->find(':');
  if (colon == std::string::npos) {
    errors.push_back(fill(t.c2_range_form, {g.label, *text}));
    return;
  }
  const std::optional<float> low = checked(t, g.label, text->substr(0, colon), o, errors);
  const std::optional<float> high = checked(t, g.label, text->substr(colon + 1), o, errors);
  if (!low || !high) return;
  if (!(*low < *high)) errors.push_back(fill(t.c2_range_order, {g.label, *text}));
  caps.c2_min_pf = *low;
  caps.c2_max_pf = *high;
}

// The parts numbers as given, by option.
using PartValues = std::array<std::optional<float>, kOptionCount>;

void read_coil(const PlanTexts& t, const GivenOf& given, const PartValues& v, Settings& o,
               std::vector<std::string>& errors) {
  const auto at = [&](O id) { return v[static_cast<std::size_t>(id)]; };
  const bool coil = whole_group(t, given, kCoilSizes, errors);
  if (!coil || !at(O::coil_diameter) || !at(O::wire) || !at(O::pitch)) return;
  o.parts.coil = coil_sizes(t, *at(O::coil_diameter), *at(O::wire), *at(O::pitch), errors);
}

void read_capacitors(const PlanTexts& t, const GivenOf& given, const PartValues& v, Settings& o,
                     std::vector<std::string>& errors) {
  constexpr std::array<O, 2> kCapacitors{O::c1_max, O::c2_range};
  if (!whole_group(t, given, kCapacitors, errors)) return;
  CapacitorOptions caps;
  const std::size_t before = errors.size();
  read_c2_range(t, given(O::c2_range), caps, errors);
  const std::optional<float> c1_max = v[static_cast<std::size_t>(O::c1_max)];
  if (!c1_max) return;
  caps.c1_max_pf = *c1_max;
  if (!(caps.c1_max_pf > o.inputs.c_var_min) && given(O::c_var_min).count > 0) {
    errors.push_back(fill(t.c1_max_not_above,
                          {number_text(t, caps.c1_max_pf), number_text(t, o.inputs.c_var_min)}));
  }
  if (errors.size() == before) o.parts.capacitors = caps;
}

// The choke's and the blocking capacitor's options: only with shunt feed;
// the choke's winding and turns all four or none, its calibration and guard
// band only with them.
void read_feed(const PlanTexts& t, const GivenOf& given, const PartValues& v, Settings& o,
               std::vector<std::string>& errors) {
  const auto at = [&](O id) { return v[static_cast<std::size_t>(id)]; };
  std::string first;  // the first of them given, as the messages name it
  for (const OptionSpec& n : option_table()) {
    if (n.group == OptionGroup::feed && first.empty() && given(n.id).count > 0) {
      first = given(n.id).label;
    }
  }
  if (first.empty()) return;
  if (o.parts.feed == ratings::Feed::series) {
    errors.push_back(fill(t.feed.feed_options_series, {first}));
    return;
  }
  o.parts.blocking_pf = at(O::blocking_pf);
  constexpr std::array<O, 4> kChoke{O::choke_diameter, O::choke_wire, O::choke_pitch,
                                    O::choke_turns};
  if (!whole_group(t, given, kChoke, errors)) {
    const bool none =
        std::all_of(kChoke.begin(), kChoke.end(), [&](O id) { return given(id).count == 0; });
    for (const O id : {O::choke_series, O::choke_guard}) {
      if (none && given(id).count > 0)
        errors.push_back(fill(t.feed.choke_option_alone, {given(id).label}));
    }
    return;
  }
  if (!std::all_of(kChoke.begin(), kChoke.end(), [&](O id) { return at(id).has_value(); })) return;
  const std::optional<CoilOptions> sizes =
      coil_sizes(t, *at(O::choke_diameter), *at(O::choke_wire), *at(O::choke_pitch), errors,
                 {t.feed.choke_pitch_below_wire, t.feed.choke_wire_not_below_d});
  if (!sizes) return;
  o.parts.choke = ChokeOptions{*sizes, *at(O::choke_turns), at(O::choke_series),
                               at(O::choke_guard).value_or(kDefaultChokeGuardPct)};
}

}  // namespace

void read_parts(const PlanTexts& t, const GivenOf& given, Settings& s,
                std::vector<std::string>& errors) {
  constexpr std::array<ratings::Feed, 2> kFeeds{ratings::Feed::shunt, ratings::Feed::series};
  if (const std::optional<std::size_t> f = choice_of(t, option(O::feed), given(O::feed), errors))
    s.parts.feed = kFeeds[*f];
  PartValues v{};
  for (const OptionSpec& n : option_table()) {
    const bool parts = n.group == OptionGroup::parts || n.group == OptionGroup::feed;
    if (!parts || n.kind != OptionKind::number) continue;
    v[static_cast<std::size_t>(n.id)] = number_of(t, given, n, errors);
  }
  if (const std::optional<float> margin = v[static_cast<std::size_t>(O::margin)]) {
    s.parts.margin = *margin;
  }
  read_coil(t, given, v, s, errors);
  read_capacitors(t, given, v, s, errors);
  read_feed(t, given, v, s, errors);
}

void read_choke_search(const PlanTexts& t, const GivenOf& given, Settings& s,
                       std::vector<std::string>& errors) {
  std::array<std::optional<float>, 3> sizes{};
  constexpr std::array<O, 3> kWinding{O::choke_diameter, O::choke_wire, O::choke_pitch};
  for (std::size_t i = 0; i < kWinding.size(); ++i) {
    const OptionSpec& o = option(kWinding[i]);
    if (given(o.id).count == 0) {
      errors.push_back(fill(t.missing, {o.name, expected_text(t, o)}));
    } else {
      sizes[i] = number_of(t, given, o, errors);
    }
  }
  const std::optional<float> x_min = number_of(t, given, option(O::choke_x_min), errors);
  if (!sizes[0] || !sizes[1] || !sizes[2]) return;
  const std::optional<CoilOptions> winding =
      coil_sizes(t, *sizes[0], *sizes[1], *sizes[2], errors,
                 {t.feed.choke_pitch_below_wire, t.feed.choke_wire_not_below_d});
  if (!winding) return;
  ChokeSearchOptions c{*winding};
  if (x_min) c.x_min = *x_min;
  s.choke_search = c;
}

}  // namespace plan
