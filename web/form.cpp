#include "web/form.hpp"

#include <algorithm>
#include <iterator>
#include <optional>

#include "plan/cli/options.hpp"
#include "plan/cli/parts_options.hpp"
#include "plan/report/bands.hpp"
#include "plan/texts/number_text.hpp"

namespace web {

namespace {

using O = plan::OptionId;

// HF ends here, MHz: the band picker's "all HF" ticks the bands below it.
constexpr float kHfTopMhz = 30.0f;

// What a field waits for before it is shown: Rm belongs to the Pi-L, the
// choke and the blocking capacitor to the shunt feed.
struct Condition {
  O field;
  O on;
  std::string_view value;
};
constexpr std::array<Condition, 8> kShownWith{{
    {O::r_mid, O::network, "pi-l"},
    {O::choke_diameter, O::feed, "shunt"},
    {O::choke_wire, O::feed, "shunt"},
    {O::choke_pitch, O::feed, "shunt"},
    {O::choke_turns, O::feed, "shunt"},
    {O::choke_series, O::feed, "shunt"},
    {O::choke_guard, O::feed, "shunt"},
    {O::blocking_pf, O::feed, "shunt"},
}};

std::string name_of(const plan::OptionSpec& o) {
  return std::string(o.name.substr(2));
}

const FieldText* text_of(const PageTexts& page, O id) {
  const auto at = std::find_if(page.fields.begin(), page.fields.end(),
                               [id](const FieldText& f) { return f.option == id; });
  return at == page.fields.end() ? nullptr : &*at;
}

Kind kind_of(const plan::OptionSpec& o) {
  if (o.id == O::bands) return Kind::bands;
  switch (o.kind) {
    case plan::OptionKind::numbers:
      return Kind::values;
    case plan::OptionKind::word:
      return Kind::choice;
    case plan::OptionKind::flag:
      return Kind::flag;
    default:
      return Kind::value;
  }
}

std::vector<BandChoice> ham_bands() {
  std::vector<BandChoice> out;
  out.reserve(plan::kHamBands.size());
  for (const float f : plan::kHamBands) {
    const std::optional<plan::Band> band = plan::band_of(f);
    out.push_back({band ? band->metres : 0, plan::float_text(f), f < kHfTopMhz});
  }
  return out;
}

void set_choices(Field& f, const plan::OptionSpec& o, const FieldText* words) {
  f.choices.reserve(o.choices.size());
  for (std::size_t i = 0; i < o.choices.size(); ++i) {
    const std::string_view label =
        words != nullptr && i < kMostChoices ? words->choices.at(i) : std::string_view();
    f.choices.push_back(
        {std::string(o.choices[i]), std::string(label.empty() ? o.choices[i] : label)});
  }
  if (o.id == O::q0) {
    for (const O need : plan::kCoilSizes) f.needs.push_back(name_of(plan::option(need)));
  }
}

Field field_of(const plan::PlanTexts& t, const PageTexts& page, const plan::OptionSpec& o) {
  Field f;
  f.option = std::string(o.name);
  f.name = name_of(o);
  f.unit = std::string(plan::unit_of(t, o));
  f.kind = kind_of(o);
  if (const FieldText* words = text_of(page, o.id)) {
    f.label = std::string(words->label);
    f.typical = std::string(words->typical);
    f.help = std::string(words->help);
  }
  if (o.range != nullptr && (o.help_tells_range || o.kind == plan::OptionKind::numbers)) {
    f.range = plan::describe(t, plan::shown_range(o),
                             o.kind == plan::OptionKind::pair ? plan::unit_of(t, o) : f.unit);
  }
  if (f.kind == Kind::bands) {
    f.bands = ham_bands();
  } else {
    set_choices(f, o, text_of(page, o.id));
  }
  for (const Condition& c : kShownWith) {
    if (c.field == o.id) f.shown_with = {name_of(plan::option(c.on)), std::string(c.value)};
  }
  return f;
}

bool off_the_form(std::string_view option) {
  return option == kFormatOption || option == kPlotOption || option == kSmithOption ||
         option == kInputsOption || option == kHelpOption || option == kLangOption;
}

// The band picker stands before the free list of frequencies: the bands are
// what most designs are for, the list adds to them.
void bands_first(std::vector<Field>& fields) {
  const auto is = [](Kind k) { return [k](const Field& f) { return f.kind == k; }; };
  const auto freq = std::find_if(fields.begin(), fields.end(), is(Kind::values));
  const auto bands = std::find_if(fields.begin(), fields.end(), is(Kind::bands));
  if (freq < bands && bands != fields.end()) std::rotate(freq, bands, std::next(bands));
}

std::string_view heading_of(const PageTexts& page, plan::OptionGroup g) {
  for (const GroupText& h : page.groups) {
    if (h.group == g) return h.heading;
  }
  return {};
}

}  // namespace

std::vector<Group> form_of(const plan::PlanTexts& t, const PageTexts& page) {
  std::vector<Group> groups;
  std::optional<plan::OptionGroup> group;
  for (const plan::OptionSpec& o : plan::option_table()) {
    // The coil calculator's and the choke search's own options belong to
    // their commands.
    if (plan::own_command(o.group) || off_the_form(o.name)) continue;
    if (o.group != group) {
      groups.push_back({std::string(heading_of(page, o.group)), {}});
      group = o.group;
    }
    groups.back().fields.push_back(field_of(t, page, o));
  }
  for (Group& g : groups) bands_first(g.fields);
  return groups;
}

Field language_field(const plan::PlanTexts& t, const PageTexts& page) {
  return field_of(t, page, plan::option(O::lang));
}

}  // namespace web
