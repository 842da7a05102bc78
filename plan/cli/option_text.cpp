#include <cmath>

#include "plan/cli/option_table.hpp"
#include "plan/texts/number_text.hpp"

// The options' texts: units, placeholders, ranges and choices as the
// messages and --help tell them.

namespace plan {

std::string_view unit_of(const PlanTexts& t, const OptionSpec& o) {
  return o.unit == nullptr ? std::string_view() : t.*o.unit;
}

std::string joined_choices(const OptionSpec& o, std::string_view sep) {
  std::string out;
  for (const std::string_view c : o.choices) {
    if (!out.empty()) out += sep;
    out += c;
  }
  return out;
}

std::string placeholder_text(const PlanTexts& t, const OptionSpec& o) {
  const Placeholder& p = o.placeholder;
  if (p.text == nullptr && p.literal.empty()) return joined_choices(o, "|");
  return std::string(p.text != nullptr ? t.*p.text : p.literal) + std::string(p.suffix);
}

std::string number_text(const PlanTexts& t, float v) {
  std::string s = float_text(v);
  for (char& c : s) {
    if (c == '.') c = t.decimal_mark;
  }
  return s;
}

std::string describe(const PlanTexts& t, const starting_values::Range& r, std::string_view unit) {
  const bool upper = std::isfinite(r.high);
  const std::string low = number_text(t, r.low);
  const std::string high = upper ? number_text(t, r.high) : std::string();
  std::string out;
  if (upper) {
    out = fill(r.low_included ? t.from_to : t.above_at_most, {low, high});
  } else {
    out = fill(r.low_included ? t.at_least : t.above, {low});
  }
  if (!unit.empty()) out += ' ' + std::string(unit);
  return out;
}

std::string expected_text(const PlanTexts& t, const OptionSpec& o) {
  if (o.kind == OptionKind::pair) return std::string(t.*o.placeholder.text);
  if (o.range != nullptr) return describe(t, shown_range(o), unit_of(t, o));
  if (!o.choices.empty()) return joined_choices(o, ", ");
  return placeholder_text(t, o);
}

// The heading of each group of --help.
TextField group_heading(OptionGroup g) {
  constexpr std::array<TextField, 8> kHeadings{
      &PlanTexts::help_starting_values, &PlanTexts::help_frequencies,
      &PlanTexts::help_parts,           &PlanTexts::help_feed_group,
      &PlanTexts::help_other,           &PlanTexts::help_coil_calculator,
      &PlanTexts::help_choke_search,    &PlanTexts::help_help_group};
  static_assert(kHeadings.size() == static_cast<std::size_t>(OptionGroup::help) + 1);
  return kHeadings[static_cast<std::size_t>(g)];
}

}  // namespace plan
