#include "plan/options.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "console/tochka.hpp"
#include "main/starting_values.hpp"
#include "plan/outputs.hpp"
#include "plan/pi_l_design.hpp"
#include "plan/pi_l_report.hpp"
#include "plan/saved.hpp"

namespace plan {

namespace {

namespace range = starting_values::dialog_range;
using Texts = PlanTexts;
using TextField = std::string_view PlanTexts::*;

// One numeric starting value on the command line.
struct NumberOption {
  std::string_view name;  // with the dashes
  std::string_view key;   // in the JSON "inputs" object
  TextField unit;         // nullptr for none
  TextField what;         // for --help
  const starting_values::Range* range;
  float TypedInputs::*field;
};

const std::array<NumberOption, 10> kNumberOptions{{
    {"--p-out", "p_out", &Texts::watt, &Texts::p_out, &range::p_out, &TypedInputs::p_out},
    {"--e-supply", "e_supply", &Texts::volt, &Texts::e_supply, &range::e_supply,
     &TypedInputs::e_supply},
    {"--r-load", "r_load", &Texts::ohm, &Texts::r_load, &range::r_load, &TypedInputs::r_load},
    {"--exponent", "tube_exponent", nullptr, &Texts::exponent, &range::tube_exponent,
     &TypedInputs::tube_exponent},
    {"--angle", "cutoff_deg", &Texts::degree, &Texts::angle, &range::cutoff_deg,
     &TypedInputs::cutoff_deg},
    {"--q0", "q_unloaded", nullptr, &Texts::q0, &range::q_unloaded, &TypedInputs::q_unloaded},
    {"--u-min", "u_min", &Texts::volt, &Texts::u_min, &range::u_min, &TypedInputs::u_min},
    {"--filter-db", "filter_db", &Texts::decibel, &Texts::filter_db, &range::filter_db,
     &TypedInputs::filter_db},
    {"--c-tube", "c_tube", &Texts::picofarad, &Texts::c_tube, &range::c_tube_pf,
     &TypedInputs::c_tube},
    {"--c-var-min", "c_var_min", &Texts::picofarad, &Texts::c_var_min, &range::c_var_min_pf,
     &TypedInputs::c_var_min},
}};

// --r-mid before its tests against the load and the anode resistance.
constexpr starting_values::Range kRMidRange{0.0f, false};  // ohm

constexpr std::size_t kESupply = 1;  // places in kNumberOptions
constexpr std::size_t kUMin = 6;
constexpr std::size_t kCVarMin = 9;

// One numeric parts option: the margin, the coil's sizes, C1's maximum.
struct PartNumber {
  std::string_view name;
  std::string_view key;
  TextField unit;
  TextField what;
  const starting_values::Range* range;
};

const std::array<PartNumber, 5> kPartNumbers{{
    {"--margin", parts_key::margin, nullptr, &Texts::help_margin, &parts_range::margin},
    {"--coil-diameter", parts_key::coil_diameter, &Texts::millimetre, &Texts::help_coil_diameter,
     &parts_range::size_mm},
    {"--wire", parts_key::wire, &Texts::millimetre, &Texts::help_wire, &parts_range::size_mm},
    {"--pitch", parts_key::pitch, &Texts::millimetre, &Texts::help_pitch, &parts_range::size_mm},
    {"--c1-max", parts_key::c1_max, &Texts::picofarad, &Texts::help_c1_max,
     &parts_range::c1_max_pf},
}};

constexpr std::size_t kMargin = 0;  // places in kPartNumbers
constexpr std::size_t kDiameter = 1;
constexpr std::size_t kWire = 2;
constexpr std::size_t kPitch = 3;
constexpr std::size_t kC1Max = 4;

// The option names of the other options, spelt once.
constexpr std::string_view kFreq = "--freq";
constexpr std::string_view kBands = "--bands";
constexpr std::string_view kFormat = "--format";
constexpr std::string_view kPlot = "--plot";
constexpr std::string_view kRaiseQ = "--raise-q";
constexpr std::string_view kFeed = "--feed";
constexpr std::string_view kC2Range = "--c2-range";
constexpr std::string_view kLang = "--lang";
constexpr std::string_view kInputs = "--inputs";
constexpr std::string_view kNetwork = "--network";
constexpr std::string_view kRMid = "--r-mid";

std::string_view unit_of(const Texts& t, TextField unit) {
  return unit == nullptr ? std::string_view() : t.*unit;
}

// A number as the texts write it: the shortest float digits, with the
// language's decimal mark.
std::string number_text(const Texts& t, float v) {
  std::string s = float_text(v);
  for (char& c : s) {
    if (c == '.') c = t.decimal_mark;
  }
  return s;
}

// "больше 0,1 и не больше 5000 Вт", "от 50 до 750", "не меньше 1 пФ".
std::string describe(const Texts& t, const starting_values::Range& r, std::string_view unit) {
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

// The number of a command-line value: a comma inside it is the decimal
// comma, as in the dialog.
std::optional<float> read_number(std::string_view given) {
  std::string text(given);
  if (const std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return tochka::parse_real_token(text);
}

// The value of one option, or an error naming it (label), its range and
// what was given.
std::optional<float> checked(const Texts& t, std::string_view label, std::string_view given,
                             const starting_values::Range& r, std::string_view unit,
                             std::vector<std::string>& errors) {
  const std::string expected = describe(t, r, unit);
  const std::optional<float> value = read_number(given);
  if (!value) {
    errors.push_back(fill(t.not_a_number, {label, given, expected}));
    // The old form of a list, 1.85,3.6: say how a list is written now.
    if (label == kFreq && given.find(',') != std::string_view::npos) {
      errors.back() += std::string(t.list_hint);
    }
  } else if (!std::isfinite(*value)) {
    errors.push_back(fill(t.not_finite, {label, given, expected}));
  } else if (!r.accepts(*value)) {
    errors.push_back(fill(t.out_of_range, {label, given, expected}));
  } else {
    return value;
  }
  return std::nullopt;
}

// What one option was given, from the command line or else from the file
// of --inputs; label names it in messages.
struct Given {
  std::size_t count = 0;  // times given; 0: not given
  std::vector<std::string> values;
  std::string label;
};

// What the argument library collected; every check is the program's own,
// so that every message is in the program's language and names the option.
struct Collected {
  std::map<std::string, std::vector<std::string>, std::less<>> values;
  std::map<std::string, CLI::Option*, std::less<>> options;
  Saved saved;  // from --inputs

  // The option as given on the command line, else as the file has it.
  Given given(std::string_view name) const {
    const CLI::Option* o = options.find(name)->second;
    if (o->count() > 0) return {o->count(), values.find(name)->second, std::string(name)};
    if (const auto s = saved.by_option.find(name); s != saved.by_option.end()) {
      return {1, s->second.values, s->second.label};
    }
    return {0, {}, std::string(name)};
  }
  bool typed(std::string_view name) const { return options.find(name)->second->count() > 0; }
};

// Every option takes any number of values and may be repeated; what is
// left over stays in the library's remaining() list.
void declare(CLI::App& app, Collected& c) {
  app.set_help_flag();
  app.allow_extras();
  const auto value_option = [&](std::string_view name, int most) {
    std::vector<std::string>& into = c.values[std::string(name)];
    c.options[std::string(name)] = app.add_option(std::string(name), into)
                                       ->expected(0, most)
                                       ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  };
  for (const NumberOption& n : kNumberOptions) value_option(n.name, 1);
  for (const PartNumber& n : kPartNumbers) value_option(n.name, 1);
  value_option(kFreq, -1);
  for (const std::string_view name :
       {kBands, kFormat, kPlot, kFeed, kC2Range, kLang, kInputs, kNetwork, kRMid}) {
    value_option(name, 1);
  }
  c.options[std::string(kRaiseQ)] = app.add_flag(std::string(kRaiseQ), c.values["--raise-q"]);
  c.options["--help"] = app.add_flag("--help,-h", c.values["--help"]);
}

// The one value of an option that takes one: nullopt (and an error) when it
// is given more than once or without its value.
std::optional<std::string> single(const Texts& t, const Given& g, std::string_view expected,
                                  std::vector<std::string>& errors) {
  if (g.count > 1) {
    errors.push_back(fill(t.repeated, {g.label}));
  } else if (g.values.empty() || g.values.front().empty()) {
    errors.push_back(fill(t.no_value, {g.label, expected}));
  } else {
    return g.values.front();
  }
  return std::nullopt;
}

void read_numbers(const Texts& t, const Collected& c, Options& o,
                  std::vector<std::string>& errors) {
  std::array<bool, kNumberOptions.size()> valid{};
  Given u_min_given;
  for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
    const NumberOption& n = kNumberOptions[i];
    const std::string expected = describe(t, *n.range, unit_of(t, n.unit));
    const Given g = c.given(n.name);
    if (g.count == 0) {
      errors.push_back(fill(t.missing, {n.name, expected}));
      continue;
    }
    const std::optional<std::string> text = single(t, g, expected, errors);
    if (!text) continue;
    if (i == kUMin) u_min_given = {g.count, {*text}, g.label};
    if (const std::optional<float> v =
            checked(t, g.label, *text, *n.range, unit_of(t, n.unit), errors)) {
      o.inputs.*n.field = *v;
      valid[i] = true;
    }
  }
  // The further limit of prompt 7, when both voltages are themselves valid.
  if (valid[kESupply] && valid[kUMin]) {
    const float limit = range::u_min_limit(o.inputs.e_supply);
    if (!(o.inputs.u_min <= limit)) {
      errors.push_back(fill(
          t.u_min_limit, {u_min_given.label, u_min_given.values.front(), number_text(t, limit)}));
    }
  }
}

void read_frequencies(const Texts& t, const Collected& c, Options& o,
                      std::vector<std::string>& errors) {
  const std::string expected = describe(t, range::f_mhz, t.megahertz);
  const bool freq = c.typed(kFreq);
  const bool bands = c.typed(kBands);
  if (freq && bands) {
    errors.push_back(std::string(t.not_both));
  } else if (bands) {
    const std::optional<std::string> set = single(t, c.given(kBands), "ham", errors);
    if (set && *set == "ham") o.f_mhz = kHamBands;
    if (set && *set != "ham") errors.push_back(fill(t.unknown_set, {*set}));
  } else if (const Given g = c.given(kFreq); g.count > 0) {
    const bool blank = std::find(g.values.begin(), g.values.end(), "") != g.values.end();
    if (g.values.empty() || blank) errors.push_back(fill(t.no_value, {g.label, expected}));
    for (const std::string& text : g.values) {
      if (text.empty()) continue;
      if (const std::optional<float> f =
              checked(t, g.label, text, range::f_mhz, t.megahertz, errors)) {
        o.f_mhz.push_back(*f);
      }
    }
  } else {
    errors.push_back(std::string(t.no_frequency));
  }
}

void read_choices(const Texts& t, const Collected& c, Options& o,
                  std::vector<std::string>& errors) {
  const std::vector<std::string>& raise_q = c.values.find(kRaiseQ)->second;
  for (const std::string& v : raise_q) {
    if (v != "true") errors.push_back(fill(t.takes_no_value, {kRaiseQ, v}));
  }
  o.raise_q = !raise_q.empty() || c.saved.raise_q;
  if (c.typed(kFormat)) {
    const std::optional<std::string> f = single(t, c.given(kFormat), "table, csv, json", errors);
    if (f && *f == "csv") o.format = Format::csv;
    if (f && *f == "json") o.format = Format::json;
    if (f && *f != "table" && *f != "csv" && *f != "json") {
      errors.push_back(fill(t.unknown_format, {*f}));
    }
  }
  if (const Given g = c.given(kPlot); g.count > 0) {
    if (g.count > 1) {
      errors.push_back(fill(t.repeated, {kPlot}));
    } else if (g.values.empty() || g.values.front().empty()) {
      errors.push_back(std::string(t.plot_no_name));
    } else {
      o.plot_path = g.values.front();
      if (errors.empty() && o.f_mhz.size() != 1) {
        errors.push_back(fill(t.plot_one, {std::to_string(o.f_mhz.size())}));
      }
    }
  }
}

// Rm of the Pi-L: above the load, below the highest anode resistance any
// design of these starting values can have (U^2 / P); each test only when
// the values it compares with are themselves valid.
void check_r_mid(const Texts& t, const Options& o, bool inputs_valid,
                 std::vector<std::string>& errors) {
  if (!inputs_valid) return;
  const float bound = anode_resistance_bound(o.inputs);
  if (!(o.r_mid > o.inputs.r_load)) {
    errors.push_back(
        fill(t.r_mid_not_above_load, {number_text(t, o.r_mid), number_text(t, o.inputs.r_load)}));
  } else if (!(o.r_mid < bound)) {
    errors.push_back(fill(t.r_mid_not_below_roe, {number_text(t, o.r_mid), number_text(t, bound)}));
  }
}

// --network and --r-mid. inputs_valid: every starting value was accepted.
// An Rm kept in a file is left unread when the network is the plain Pi.
void read_network(const Texts& t, const Collected& c, Options& o, bool inputs_valid,
                  std::vector<std::string>& errors) {
  if (const Given g = c.given(kNetwork); g.count > 0) {
    const std::optional<std::string> n = single(t, g, "pi, pi-l", errors);
    if (n && *n == network_name(Network::pi_l)) o.network = Network::pi_l;
    if (n && *n != network_name(Network::pi) && *n != network_name(Network::pi_l)) {
      errors.push_back(fill(t.unknown_network, {*n}));
    }
  }
  const Given g = c.given(kRMid);
  if (o.network != Network::pi_l) {
    if (c.typed(kRMid)) errors.push_back(std::string(t.r_mid_without_pi_l));
    return;
  }
  if (g.count > 0) {
    const std::optional<std::string> given = single(t, g, describe(t, kRMidRange, t.ohm), errors);
    if (!given) return;
    const std::optional<float> v = checked(t, g.label, *given, kRMidRange, t.ohm, errors);
    if (!v) return;
    o.r_mid = *v;
  }
  check_r_mid(t, o, inputs_valid, errors);
}

// The group's options that were given and those that were not, or an
// error naming the missing ones when only some were given.
bool whole_group(const Texts& t, const Collected& c, std::initializer_list<std::string_view> names,
                 std::vector<std::string>& errors) {
  std::string given;
  std::string missing;
  for (const std::string_view name : names) {
    std::string& list = c.given(name).count > 0 ? given : missing;
    list += (list.empty() ? "" : ", ") + std::string(name);
  }
  if (!given.empty() && !missing.empty()) {
    errors.push_back(fill(t.group_incomplete, {given, missing}));
  }
  return missing.empty();
}

// --c2-range MIN:MAX.
void read_c2_range(const Texts& t, const Given& g, CapacitorOptions& caps,
                   std::vector<std::string>& errors) {
  const std::optional<std::string> text = single(t, g, t.range_word, errors);
  if (!text) return;
  const std::size_t colon = text->find(':');
  if (colon == std::string::npos) {
    errors.push_back(fill(t.c2_range_form, {g.label, *text}));
    return;
  }
  const std::optional<float> low =
      checked(t, g.label, text->substr(0, colon), parts_range::c2_end_pf, t.picofarad, errors);
  const std::optional<float> high =
      checked(t, g.label, text->substr(colon + 1), parts_range::c2_end_pf, t.picofarad, errors);
  if (!low || !high) return;
  if (!(*low < *high)) errors.push_back(fill(t.c2_range_order, {g.label, *text}));
  caps.c2_min_pf = *low;
  caps.c2_max_pf = *high;
}

void read_parts(const Texts& t, const Collected& c, Options& o, std::vector<std::string>& errors) {
  if (const Given g = c.given(kFeed); g.count > 0) {
    const std::optional<std::string> feed = single(t, g, "shunt, series", errors);
    if (feed && *feed == "series") o.parts.feed = ratings::Feed::series;
    if (feed && *feed != "shunt" && *feed != "series") {
      errors.push_back(fill(t.unknown_feed, {*feed}));
    }
  }
  std::array<std::optional<float>, kPartNumbers.size()> v{};
  for (std::size_t i = 0; i < kPartNumbers.size(); ++i) {
    const PartNumber& n = kPartNumbers[i];
    const Given g = c.given(n.name);
    if (g.count == 0) continue;
    const std::string_view unit = unit_of(t, n.unit);
    if (const std::optional<std::string> text = single(t, g, describe(t, *n.range, unit), errors)) {
      v[i] = checked(t, g.label, *text, *n.range, unit, errors);
    }
  }
  if (v[kMargin]) o.parts.margin = *v[kMargin];
  const bool coil = whole_group(
      t, c, {kPartNumbers[kDiameter].name, kPartNumbers[kWire].name, kPartNumbers[kPitch].name},
      errors);
  if (coil && v[kDiameter] && v[kWire] && v[kPitch]) {
    if (!(*v[kPitch] >= *v[kWire])) {
      errors.push_back(
          fill(t.pitch_below_wire, {number_text(t, *v[kPitch]), number_text(t, *v[kWire])}));
    } else if (!(*v[kWire] < *v[kDiameter])) {
      errors.push_back(
          fill(t.wire_not_below_d, {number_text(t, *v[kWire]), number_text(t, *v[kDiameter])}));
    } else {
      o.parts.coil = CoilOptions{*v[kDiameter], *v[kWire], *v[kPitch]};
    }
  }
  if (whole_group(t, c, {kPartNumbers[kC1Max].name, kC2Range}, errors)) {
    CapacitorOptions caps;
    const std::size_t before = errors.size();
    read_c2_range(t, c.given(kC2Range), caps, errors);
    if (!v[kC1Max]) return;
    caps.c1_max_pf = *v[kC1Max];
    if (!(caps.c1_max_pf > o.inputs.c_var_min) &&
        c.given(kNumberOptions[kCVarMin].name).count > 0) {
      errors.push_back(fill(t.c1_max_not_above,
                            {number_text(t, caps.c1_max_pf), number_text(t, o.inputs.c_var_min)}));
    }
    if (errors.size() == before) o.parts.capacitors = caps;
  }
}

// Options the program does not know, and values that belong to no option.
void read_leftovers(const Texts& t, const std::vector<std::string>& remaining,
                    std::vector<std::string>& errors) {
  for (const std::string& arg : remaining) {
    if (arg.size() > 1 && arg.front() == '-') {
      errors.push_back(fill(t.unknown_option, {arg.substr(0, arg.find('='))}));
    } else {
      errors.push_back(fill(t.stray, {arg}));
    }
  }
}

void help_entry(std::string& out, std::string_view option, std::string_view value,
                std::string_view what) {
  out += "  " + std::string(option);
  if (!value.empty()) out += ' ' + std::string(value);
  out += "\n      ";
  for (const char ch : what) {
    out += ch;
    if (ch == '\n') out += "      ";
  }
  out += '\n';
}

// The language of --lang, or an error (in Russian, the default).
Language read_language(const Collected& c, std::vector<std::string>& errors) {
  if (!c.typed(kLang)) return Language::ru;
  const std::optional<std::string> lang = single(kRussianTexts, c.given(kLang), "ru, en", errors);
  if (lang && *lang == "en") return Language::en;
  if (lang && *lang != "ru") errors.push_back(fill(kRussianTexts.unknown_language, {*lang}));
  return Language::ru;
}

}  // namespace

std::vector<SavedKey> saved_keys() {
  std::vector<SavedKey> keys;
  keys.reserve(kNumberOptions.size() + kPartNumbers.size() + 5);
  for (const NumberOption& n : kNumberOptions) keys.push_back({n.key, n.name, SavedKind::number});
  keys.push_back({"f_mhz", kFreq, SavedKind::numbers});
  keys.push_back({parts_key::feed, kFeed, SavedKind::word});
  for (const PartNumber& n : kPartNumbers) keys.push_back({n.key, n.name, SavedKind::number});
  keys.push_back({parts_key::c2_range, kC2Range, SavedKind::pair});
  keys.push_back({network_key::network, kNetwork, SavedKind::word, &Texts::expect_network});
  keys.push_back({network_key::r_mid, kRMid, SavedKind::number});
  return keys;
}

std::string help_text(const PlanTexts& t) {
  std::string out = std::string(t.help_title) + "\n\n" + std::string(t.help_usage) + "\n\n";
  out += std::string(t.help_starting_values) + '\n';
  for (const NumberOption& n : kNumberOptions) {
    const std::string_view unit = unit_of(t, n.unit);
    help_entry(out, n.name, unit.empty() ? t.number_word : unit,
               std::string(t.*n.what) + ";\n" + describe(t, *n.range, unit));
  }
  out += '\n' + std::string(t.help_frequencies) + '\n';
  help_entry(out, kFreq, std::string(t.megahertz) + "...", t.help_freq);
  help_entry(out, kBands, "ham", t.help_bands);
  out += '\n' + std::string(t.help_parts) + '\n';
  help_entry(out, kFeed, "shunt|series", t.help_feed);
  for (const PartNumber& n : kPartNumbers) {
    const std::string_view unit = unit_of(t, n.unit);
    help_entry(out, n.name, unit.empty() ? "K" : unit,
               std::string(t.*n.what) + ";\n" + describe(t, *n.range, unit));
  }
  help_entry(
      out, kC2Range, t.range_word,
      std::string(t.help_c2_range) + ";\n" + describe(t, parts_range::c2_end_pf, t.picofarad));
  out += '\n' + std::string(t.help_other) + '\n';
  help_entry(out, kRaiseQ, "", t.help_raise_q);
  help_entry(out, kFormat, "table|csv|json", t.help_format);
  help_entry(out, kPlot, std::string(t.file_word) + ".svg", t.help_plot);
  help_entry(out, kLang, "ru|en", t.help_lang);
  help_entry(out, kInputs, std::string(t.file_word) + ".json", t.help_inputs);
  help_entry(out, kNetwork, "pi|pi-l", t.help_network);
  help_entry(out, kRMid, t.ohm, t.help_r_mid);
  help_entry(out, "--help", "", t.help_help);
  out += '\n' + std::string(t.help_footer) + '\n';
  return out;
}

Parsed parse_options(const std::vector<std::string>& args) {
  CLI::App app;
  Collected c;
  declare(app, c);
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  Parsed parsed;
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError&) {
    // Every option takes what it is given; nothing the library checks is left.
    parsed.errors.emplace_back(kRussianTexts.bad_arguments);
    return parsed;
  }
  std::vector<std::string>& errors = parsed.errors;
  parsed.language = read_language(c, errors);
  parsed.options.language = parsed.language;
  const Texts& t = plan_texts(parsed.language);
  if (c.typed("--help")) {
    parsed.kind = Parsed::Kind::help;
    parsed.help = help_text(t);
    return parsed;
  }
  if (c.typed(kInputs)) {
    if (const std::optional<std::string> path = single(t, c.given(kInputs), "FILE.json", errors)) {
      c.saved = read_saved(*path, saved_keys(), t);
      // A file that cannot be read says nothing about the options.
      if (!c.saved.errors.empty()) {
        errors.insert(errors.end(), c.saved.errors.begin(), c.saved.errors.end());
        return parsed;
      }
    }
  }
  read_leftovers(t, app.remaining(), errors);
  read_numbers(t, c, parsed.options, errors);
  const bool inputs_valid = errors.empty();
  read_frequencies(t, c, parsed.options, errors);
  read_choices(t, c, parsed.options, errors);
  read_parts(t, c, parsed.options, errors);
  read_network(t, c, parsed.options, inputs_valid, errors);
  parsed.kind = errors.empty() ? Parsed::Kind::run : Parsed::Kind::error;
  return parsed;
}

}  // namespace plan
