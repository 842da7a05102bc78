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
// --swr's help, in the plan's texts and the page's, counts the circle's loads.
static_assert(
    retune::kLoadCount == 72,
    "the help of --swr in plan/texts and web/texts says 72 loads: say the new count there");

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

// Any other option of one number; --help tells its range when `tells`.
constexpr OptionSpec number_option(O id, std::string_view name, std::string_view key, G group,
                                   TextField unit, Placeholder p, TextField help, const Range& r,
                                   bool tells, std::optional<Kept> (*kept)(const Settings&),
                                   int place) {
  OptionSpec o = part_number(id, name, key, unit, p, help, r, kept, place);
  o.group = group;
  o.help_tells_range = tells;
  return o;
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

// A choke or blocking-capacitor number, kept when given.
constexpr OptionSpec feed_number(O id, std::string_view name, std::string_view key, TextField unit,
                                 Placeholder p, TextField help, const Range& r,
                                 std::optional<Kept> (*kept)(const Settings&), int place) {
  return number_option(id, name, key, G::feed, unit, p, help, r, true, kept, place);
}

// The choke's winding: of the design's choke, or of the one to find turns for.
std::optional<Kept> choke_size(const Settings& s, float CoilOptions::*m) {
  if (s.parts.choke) return one(s.parts.choke->winding.*m);
  if (s.choke_search) return one(s.choke_search->winding.*m);
  return std::nullopt;
}

std::optional<Kept> choke_value(const Settings& s,
                                std::optional<float> (*of)(const ChokeOptions&)) {
  if (!s.parts.choke) return std::nullopt;
  const std::optional<float> v = of(*s.parts.choke);
  return v ? one(*v) : std::nullopt;
}

constexpr Placeholder kMm{&T::millimetre, {}, {}};

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
    feed_number(
        O::choke_diameter, "--choke-diameter", parts_key::choke_diameter, &T::millimetre, kMm,
        &T::help_choke_diameter, parts_range::size_mm,
        [](const Settings& s) { return choke_size(s, &CoilOptions::diameter_mm); }, 22),
    feed_number(
        O::choke_wire, "--choke-wire", parts_key::choke_wire, &T::millimetre, kMm,
        &T::help_choke_wire, parts_range::size_mm,
        [](const Settings& s) { return choke_size(s, &CoilOptions::wire_mm); }, 23),
    feed_number(
        O::choke_pitch, "--choke-pitch", parts_key::choke_pitch, &T::millimetre, kMm,
        &T::help_choke_pitch, parts_range::size_mm,
        [](const Settings& s) { return choke_size(s, &CoilOptions::pitch_mm); }, 24),
    feed_number(
        O::choke_turns, "--choke-turns", parts_key::choke_turns, nullptr, {nullptr, "N", {}},
        &T::help_choke_turns, parts_range::turns,
        [](const Settings& s) {
          return choke_value(s,
                             [](const ChokeOptions& c) { return std::optional<float>(c.turns); });
        },
        25),
    feed_number(
        O::choke_series, "--choke-series-mhz", parts_key::choke_series, &T::megahertz,
        {&T::megahertz, {}, {}}, &T::help_choke_series, parts_range::choke_series_mhz,
        [](const Settings& s) {
          return choke_value(s, [](const ChokeOptions& c) { return c.series_mhz; });
        },
        26),
    feed_number(
        O::choke_guard, "--choke-guard", parts_key::choke_guard, &T::percent, {&T::percent, {}, {}},
        &T::help_choke_guard, parts_range::choke_guard_pct,
        [](const Settings& s) {
          return choke_value(
              s, [](const ChokeOptions& c) { return std::optional<float>(c.guard_pct); });
        },
        27),
    feed_number(
        O::blocking_pf, "--blocking-pf", parts_key::blocking, &T::picofarad,
        {&T::picofarad, {}, {}}, &T::help_blocking_pf, parts_range::blocking_pf,
        [](const Settings& s) {
          return s.parts.blocking_pf ? one(*s.parts.blocking_pf) : std::nullopt;
        },
        28),
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
    number_option(
        O::r_mid, "--r-mid", "r_mid", G::other, &T::ohm, {&T::ohm, {}, {}}, &T::help_r_mid,
        kRMidRange, false,
        [](const Settings& s) { return s.network == TankKind::pi_l ? one(s.r_mid) : std::nullopt; },
        19),
    other(O::help, "--help", K::flag, G::help, {}, &T::help_help, {}, nullptr, 0),
    number_option(
        O::swr, "--swr", "swr", G::other, nullptr, {nullptr, "S", {}}, &T::help_swr, kSwrRange,
        true, [](const Settings& s) { return s.swr ? one(*s.swr) : std::nullopt; }, 21),
    other(O::smith, "--smith", K::path, G::other, {&T::file_word, {}, ".svg"}, &T::help_smith),
    number_option(O::turns, "--turns", "turns", G::coil_calculator, nullptr, {nullptr, "N", {}},
                  &T::help_turns, parts_range::turns, true, nullptr, -1),
    number_option(
        O::choke_x_min, "--choke-x-min", parts_key::choke_x_min, G::choke_search, nullptr,
        {&T::number_word, {}, {}}, &T::help_choke_x_min, parts_range::choke_x_min, true,
        [](const Settings& s) {
          return s.choke_search ? one(s.choke_search->x_min) : std::nullopt;
        },
        29),
}};

// valvenet-plan choke's options.
constexpr std::array<O, 20> kChokeCommand{
    O::p_out,       O::e_supply, O::r_load,         O::exponent,   O::angle,
    O::q0,          O::u_min,    O::filter_db,      O::c_tube,     O::c_var_min,
    O::freq,        O::bands,    O::choke_diameter, O::choke_wire, O::choke_pitch,
    O::choke_x_min, O::raise_q,  O::format,         O::lang,       O::help};

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

bool own_command(OptionGroup g) {
  return g == OptionGroup::coil_calculator || g == OptionGroup::choke_search;
}

std::span<const OptionId> choke_command_options() {
  return kChokeCommand;
}

}  // namespace plan
