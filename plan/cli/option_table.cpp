#include "plan/cli/option_table.hpp"

#include <algorithm>
#include <cmath>

#include "matching/retune.hpp"
#include "parts/coil.hpp"
#include "plan/texts/number_text.hpp"

namespace plan {

namespace {

namespace range = starting_values::dialog_range;
using starting_values::Range;
using T = PlanTexts;
using O = OptionId;
using K = OptionKind;
using G = OptionGroup;

// The cut-off angle's upper bound as told: the range itself takes a
// tolerance above 180 degrees that the user need not see.
constexpr Range kAngleShown{range::cutoff_deg.low, range::cutoff_deg.low_included, 180.0f};
// --r-mid before its tests against the load and the anode resistance.
constexpr Range kRMidRange{0.0f, false};  // ohm
// --swr: a circle of loads needs an SWR above 1; above 10 the circle's loads
// lie so far from R0 that no tank of the plan matches them.
constexpr Range kSwrRange{static_cast<float>(retune::kSwrAbove), false,
                          static_cast<float>(retune::kSwrMax)};
// The turns of the coil calculator: the coil model's own limits.
constexpr Range kTurnsRange{static_cast<float>(coil::kMinTurns), true,
                            static_cast<float>(coil::kMaxTurns)};

constexpr std::array<std::string_view, 1> kBandSets{"ham"};
// --q0 coil: the word --q0 takes instead of a number (with the coil options).
constexpr std::array<std::string_view, 1> kQ0Words{kQ0CoilWord};
constexpr std::array<std::string_view, 2> kFeeds{"shunt", "series"};
constexpr std::array<std::string_view, 3> kFormats{"table", "csv", "json"};
constexpr std::array<std::string_view, 2> kLanguages{"ru", "en"};
constexpr std::array<std::string_view, 2> kNetworks{"pi", "pi-l"};

std::optional<Kept> one(float v) {
  return Kept{{v}, {}};
}
std::optional<Kept> word(std::string_view w) {
  return Kept{{}, std::string(w)};
}

template <float TypedInputs::*field>
std::optional<Kept> typed(const Settings& s) {
  return one(s.inputs.*field);
}

// A starting value: required, one number in the dialog's range.
constexpr OptionSpec starting(O id, std::string_view name, std::string_view key, TextField unit,
                              TextField help, const Range& r, float TypedInputs::*field,
                              std::optional<Kept> (*kept)(const Settings&), int place,
                              const Range* shown = nullptr) {
  return {id,
          name,
          key,
          K::number,
          G::starting_values,
          unit,
          {unit == nullptr ? &T::number_word : unit, {}, {}},
          help,
          &r,
          shown,
          true,
          {},
          nullptr,
          nullptr,
          field,
          1,
          kept,
          place};
}

// A starting value that also takes the words of its choices.
constexpr OptionSpec with_words(OptionSpec o, std::span<const std::string_view> words) {
  o.choices = words;
  return o;
}

std::optional<Kept> kept_q0(const Settings& s) {
  return s.q0_coil ? word(kQ0CoilWord) : one(s.inputs.q_unloaded);
}

// A parts number: one number, kept when given.
constexpr OptionSpec part_number(O id, std::string_view name, std::string_view key, TextField unit,
                                 Placeholder p, TextField help, const Range& r,
                                 std::optional<Kept> (*kept)(const Settings&), int place) {
  return {id,      name, key, K::number, G::parts, unit,    p, help, &r,
          nullptr, true, {},  nullptr,   nullptr,  nullptr, 1, kept, place};
}

// An option without a number: a word among choices, a file, a flag.
constexpr OptionSpec other(O id, std::string_view name, K kind, G group, Placeholder p,
                           TextField help, std::span<const std::string_view> choices = {},
                           TextField unknown = nullptr, int most = 1) {
  return {id,      name,  {},      kind,    group,   nullptr, p,    help,    nullptr,
          nullptr, false, choices, unknown, nullptr, nullptr, most, nullptr, -1};
}

// The same, kept in "inputs".
constexpr OptionSpec kept_word(O id, std::string_view name, std::string_view key, G group,
                               TextField help, std::span<const std::string_view> choices,
                               TextField unknown, TextField expected,
                               std::optional<Kept> (*kept)(const Settings&), int place) {
  return {id,      name,  key,     K::word, group,    nullptr, {}, help, nullptr,
          nullptr, false, choices, unknown, expected, nullptr, 1,  kept, place};
}

std::optional<Kept> coil_value(const Settings& s, float CoilOptions::*m) {
  if (!s.parts.coil) return std::nullopt;
  return one((*s.parts.coil).*m);
}

const std::array<OptionSpec, kOptionCount> kOptions{{
    starting(O::p_out, "--p-out", "p_out", &T::watt, &T::p_out, range::p_out, &TypedInputs::p_out,
             typed<&TypedInputs::p_out>, 0),
    starting(O::e_supply, "--e-supply", "e_supply", &T::volt, &T::e_supply, range::e_supply,
             &TypedInputs::e_supply, typed<&TypedInputs::e_supply>, 1),
    starting(O::r_load, "--r-load", "r_load", &T::ohm, &T::r_load, range::r_load,
             &TypedInputs::r_load, typed<&TypedInputs::r_load>, 5),
    starting(O::exponent, "--exponent", "tube_exponent", nullptr, &T::exponent,
             range::tube_exponent, &TypedInputs::tube_exponent, typed<&TypedInputs::tube_exponent>,
             9),
    starting(O::angle, "--angle", "cutoff_deg", &T::degree, &T::angle, range::cutoff_deg,
             &TypedInputs::cutoff_deg, typed<&TypedInputs::cutoff_deg>, 8, &kAngleShown),
    with_words(starting(O::q0, "--q0", "q_unloaded", nullptr, &T::q0, range::q_unloaded,
                        &TypedInputs::q_unloaded, kept_q0, 7),
               kQ0Words),
    starting(O::u_min, "--u-min", "u_min", &T::volt, &T::u_min, range::u_min, &TypedInputs::u_min,
             typed<&TypedInputs::u_min>, 2),
    starting(O::filter_db, "--filter-db", "filter_db", &T::decibel, &T::filter_db, range::filter_db,
             &TypedInputs::filter_db, typed<&TypedInputs::filter_db>, 6),
    starting(O::c_tube, "--c-tube", "c_tube", &T::picofarad, &T::c_tube, range::c_tube_pf,
             &TypedInputs::c_tube, typed<&TypedInputs::c_tube>, 3),
    starting(O::c_var_min, "--c-var-min", "c_var_min", &T::picofarad, &T::c_var_min,
             range::c_var_min_pf, &TypedInputs::c_var_min, typed<&TypedInputs::c_var_min>, 4),
    {O::freq,
     "--freq",
     "f_mhz",
     K::numbers,
     G::frequencies,
     &T::megahertz,
     {&T::megahertz, {}, "..."},
     &T::help_freq,
     &range::f_mhz,
     nullptr,
     false,
     {},
     nullptr,
     nullptr,
     nullptr,
     -1,
     [](const Settings& s) {
       return std::optional<Kept>(Kept{s.f_mhz, {}});
     },
     10},
    other(O::bands, "--bands", K::word, G::frequencies, {}, &T::help_bands, kBandSets,
          &T::unknown_set),
    kept_word(
        O::feed, "--feed", parts_key::feed, G::parts, &T::help_feed, kFeeds, &T::unknown_feed,
        &T::expect_feed, [](const Settings& s) { return word(feed_key(s.parts.feed)); }, 11),
    part_number(
        O::margin, "--margin", parts_key::margin, nullptr, {nullptr, "K", {}}, &T::help_margin,
        parts_range::margin, [](const Settings& s) { return one(s.parts.margin); }, 12),
    part_number(
        O::coil_diameter, "--coil-diameter", parts_key::coil_diameter, &T::millimetre,
        {&T::millimetre, {}, {}}, &T::help_coil_diameter, parts_range::size_mm,
        [](const Settings& s) { return coil_value(s, &CoilOptions::diameter_mm); }, 13),
    part_number(
        O::wire, "--wire", parts_key::wire, &T::millimetre, {&T::millimetre, {}, {}}, &T::help_wire,
        parts_range::size_mm,
        [](const Settings& s) { return coil_value(s, &CoilOptions::wire_mm); }, 14),
    part_number(
        O::pitch, "--pitch", parts_key::pitch, &T::millimetre, {&T::millimetre, {}, {}},
        &T::help_pitch, parts_range::size_mm,
        [](const Settings& s) { return coil_value(s, &CoilOptions::pitch_mm); }, 15),
    part_number(
        O::c1_max, "--c1-max", parts_key::c1_max, &T::picofarad, {&T::picofarad, {}, {}},
        &T::help_c1_max, parts_range::c1_max_pf,
        [](const Settings& s) {
          if (!s.parts.capacitors) return std::optional<Kept>();
          return one(s.parts.capacitors->c1_max_pf);
        },
        16),
    {O::c2_range,
     "--c2-range",
     parts_key::c2_range,
     K::pair,
     G::parts,
     &T::picofarad,
     {&T::range_word, {}, {}},
     &T::help_c2_range,
     &parts_range::c2_end_pf,
     nullptr,
     true,
     {},
     nullptr,
     nullptr,
     nullptr,
     1,
     [](const Settings& s) {
       if (!s.parts.capacitors) return std::optional<Kept>();
       return std::optional<Kept>(
           Kept{{s.parts.capacitors->c2_min_pf, s.parts.capacitors->c2_max_pf}, {}});
     },
     17},
    other(O::raise_q, "--raise-q", K::flag, G::other, {}, &T::help_raise_q, {}, nullptr, 0),
    other(O::format, "--format", K::word, G::other, {}, &T::help_format, kFormats,
          &T::unknown_format),
    other(O::plot, "--plot", K::path, G::other, {&T::file_word, {}, ".svg"}, &T::help_plot),
    kept_word(
        O::lang, "--lang", "lang", G::other, &T::help_lang, kLanguages, &T::unknown_language,
        &T::expect_lang,
        [](const Settings& s) { return word(kLanguages[s.language == Language::en ? 1 : 0]); }, 20),
    other(O::inputs, "--inputs", K::path, G::other, {&T::file_word, {}, ".json"}, &T::help_inputs),
    kept_word(
        O::network, "--network", "network", G::other, &T::help_network, kNetworks,
        &T::unknown_network, &T::expect_network,
        [](const Settings& s) { return word(network_name(s.network)); }, 18),
    {O::r_mid,
     "--r-mid",
     "r_mid",
     K::number,
     G::other,
     &T::ohm,
     {&T::ohm, {}, {}},
     &T::help_r_mid,
     &kRMidRange,
     nullptr,
     false,
     {},
     nullptr,
     nullptr,
     nullptr,
     1,
     [](const Settings& s) {
       if (s.network != TankKind::pi_l) return std::optional<Kept>();
       return one(s.r_mid);
     },
     19},
    other(O::help, "--help", K::flag, G::other, {}, &T::help_help, {}, nullptr, 0),
    {O::swr,
     "--swr",
     "swr",
     K::number,
     G::other,
     nullptr,
     {nullptr, "S", {}},
     &T::help_swr,
     &kSwrRange,
     nullptr,
     true,
     {},
     nullptr,
     nullptr,
     nullptr,
     1,
     [](const Settings& s) {
       if (!s.swr) return std::optional<Kept>();
       return one(*s.swr);
     },
     21},
    other(O::smith, "--smith", K::path, G::other, {&T::file_word, {}, ".svg"}, &T::help_smith),
    {O::turns,
     "--turns",
     "turns",
     K::number,
     G::coil_calculator,
     nullptr,
     {nullptr, "N", {}},
     &T::help_turns,
     &kTurnsRange,
     nullptr,
     true,
     {},
     nullptr,
     nullptr,
     nullptr,
     1,
     nullptr,
     -1},
}};

bool table_in_order() {
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    if (static_cast<std::size_t>(kOptions[i].id) != i) return false;
  }
  return true;
}

}  // namespace

std::span<const OptionSpec> option_table() {
  static const bool in_order = table_in_order();
  (void)in_order;
  return kOptions;
}

const OptionSpec& option(OptionId id) {
  return kOptions[static_cast<std::size_t>(id)];
}

const starting_values::Range& shown_range(const OptionSpec& o) {
  return o.shown != nullptr ? *o.shown : *o.range;
}

std::vector<const OptionSpec*> kept_options() {
  std::vector<const OptionSpec*> kept;
  for (const OptionSpec& o : kOptions) {
    if (o.inputs_place >= 0) kept.push_back(&o);
  }
  std::sort(kept.begin(), kept.end(), [](const OptionSpec* a, const OptionSpec* b) {
    return a->inputs_place < b->inputs_place;
  });
  return kept;
}

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
  constexpr std::array<TextField, 5> kHeadings{
      &PlanTexts::help_starting_values, &PlanTexts::help_frequencies, &PlanTexts::help_parts,
      &PlanTexts::help_other, &PlanTexts::help_coil_calculator};
  static_assert(kHeadings.size() == static_cast<std::size_t>(OptionGroup::coil_calculator) + 1);
  return kHeadings[static_cast<std::size_t>(g)];
}

}  // namespace plan
