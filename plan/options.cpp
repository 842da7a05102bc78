#include "plan/options.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "console/tochka.hpp"
#include "main/starting_values.hpp"
#include "plan/outputs.hpp"
#include "plan/texts.hpp"

namespace plan {

namespace {

namespace range = starting_values::dialog_range;
using Texts = PlanTexts;
using TextField = std::string_view PlanTexts::*;

// One numeric starting value on the command line.
struct NumberOption {
  std::string_view name;  // with the dashes
  TextField unit;         // nullptr for none
  TextField what;         // for --help
  const starting_values::Range* range;
  float TypedInputs::*field;
};

const std::array<NumberOption, 10> kNumberOptions{{
    {"--p-out", &Texts::watt, &Texts::p_out, &range::p_out, &TypedInputs::p_out},
    {"--e-supply", &Texts::volt, &Texts::e_supply, &range::e_supply, &TypedInputs::e_supply},
    {"--r-load", &Texts::ohm, &Texts::r_load, &range::r_load, &TypedInputs::r_load},
    {"--exponent", nullptr, &Texts::exponent, &range::tube_exponent, &TypedInputs::tube_exponent},
    {"--angle", &Texts::degree, &Texts::angle, &range::cutoff_deg, &TypedInputs::cutoff_deg},
    {"--q0", nullptr, &Texts::q0, &range::q_unloaded, &TypedInputs::q_unloaded},
    {"--u-min", &Texts::volt, &Texts::u_min, &range::u_min, &TypedInputs::u_min},
    {"--filter-db", &Texts::decibel, &Texts::filter_db, &range::filter_db, &TypedInputs::filter_db},
    {"--c-tube", &Texts::picofarad, &Texts::c_tube, &range::c_tube_pf, &TypedInputs::c_tube},
    {"--c-var-min", &Texts::picofarad, &Texts::c_var_min, &range::c_var_min_pf,
     &TypedInputs::c_var_min},
}};

constexpr std::size_t kESupply = 1;  // places in kNumberOptions
constexpr std::size_t kUMin = 6;

const Texts& t() {
  return plan_texts();
}

std::string_view unit_of(TextField unit) {
  return unit == nullptr ? std::string_view() : t().*unit;
}

// A number as the texts write it: the shortest float digits, with the
// language's decimal mark.
std::string number_text(float v) {
  std::string s = float_text(v);
  for (char& c : s) {
    if (c == '.') c = t().decimal_mark;
  }
  return s;
}

// "больше 0,1 и не больше 5000 Вт", "от 50 до 750", "не меньше 1 пФ".
std::string describe(const starting_values::Range& r, std::string_view unit) {
  const bool upper = std::isfinite(r.high);
  const std::string low = number_text(r.low);
  const std::string high = upper ? number_text(r.high) : std::string();
  std::string out;
  if (upper) {
    out = fill(r.low_included ? t().from_to : t().above_at_most, {low, high});
  } else {
    out = fill(r.low_included ? t().at_least : t().above, {low});
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

// The value of one option, or an error naming it, its range and what was given.
std::optional<float> checked(std::string_view option, std::string_view given,
                             const starting_values::Range& r, std::string_view unit,
                             std::vector<std::string>& errors) {
  const std::string expected = describe(r, unit);
  const std::optional<float> value = read_number(given);
  if (!value) {
    errors.push_back(fill(t().not_a_number, {option, given, expected}));
    // The old form of a list, 1.85,3.6: say how a list is written now.
    if (option == "--freq" && given.find(',') != std::string_view::npos) {
      errors.back() += std::string(t().list_hint);
    }
  } else if (!std::isfinite(*value)) {
    errors.push_back(fill(t().not_finite, {option, given, expected}));
  } else if (!r.accepts(*value)) {
    errors.push_back(fill(t().out_of_range, {option, given, expected}));
  } else {
    return value;
  }
  return std::nullopt;
}

// What the argument library collected; every check is the program's own,
// so that every message is in the program's language and names the option.
struct Collected {
  std::array<std::vector<std::string>, kNumberOptions.size()> numbers;
  std::array<CLI::Option*, kNumberOptions.size()> number_options{};
  std::vector<std::string> freq, bands, format, plot, raise_q, help;
  CLI::Option* freq_option = nullptr;
  CLI::Option* bands_option = nullptr;
  CLI::Option* format_option = nullptr;
  CLI::Option* plot_option = nullptr;
  CLI::Option* raise_q_option = nullptr;
  CLI::Option* help_option = nullptr;
};

// Every option takes any number of values and may be repeated; what is
// left over stays in the library's remaining() list.
void declare(CLI::App& app, Collected& c) {
  app.set_help_flag();
  app.allow_extras();
  const auto value_option = [&](std::string_view name, std::vector<std::string>& into, int most) {
    return app.add_option(std::string(name), into)
        ->expected(0, most)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  };
  for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
    c.number_options[i] = value_option(kNumberOptions[i].name, c.numbers[i], 1);
  }
  c.freq_option = value_option("--freq", c.freq, -1);
  c.bands_option = value_option("--bands", c.bands, 1);
  c.format_option = value_option("--format", c.format, 1);
  c.plot_option = value_option("--plot", c.plot, 1);
  c.raise_q_option = app.add_flag("--raise-q", c.raise_q);
  c.help_option = app.add_flag("--help,-h", c.help);
}

// The one value of an option that takes one: nullopt (and an error) when it
// is given more than once or without its value.
std::optional<std::string> single(const CLI::Option& option, std::string_view name,
                                  const std::vector<std::string>& values, std::string_view expected,
                                  std::vector<std::string>& errors) {
  if (option.count() > 1) {
    errors.push_back(fill(t().repeated, {name}));
  } else if (values.empty() || values.front().empty()) {
    errors.push_back(fill(t().no_value, {name, expected}));
  } else {
    return values.front();
  }
  return std::nullopt;
}

void read_numbers(const Collected& c, Options& o, std::vector<std::string>& errors) {
  std::array<bool, kNumberOptions.size()> valid{};
  for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
    const NumberOption& n = kNumberOptions[i];
    const std::string expected = describe(*n.range, unit_of(n.unit));
    if (c.number_options[i]->count() == 0) {
      errors.push_back(fill(t().missing, {n.name, expected}));
      continue;
    }
    const std::optional<std::string> given =
        single(*c.number_options[i], n.name, c.numbers[i], expected, errors);
    if (!given) continue;
    if (const std::optional<float> v = checked(n.name, *given, *n.range, unit_of(n.unit), errors)) {
      o.inputs.*n.field = *v;
      valid[i] = true;
    }
  }
  // The further limit of prompt 7, when both voltages are themselves valid.
  if (valid[kESupply] && valid[kUMin]) {
    const float limit = range::u_min_limit(o.inputs.e_supply);
    if (!(o.inputs.u_min <= limit)) {
      errors.push_back(fill(t().u_min_limit, {c.numbers[kUMin].front(), number_text(limit)}));
    }
  }
}

void read_frequencies(const Collected& c, Options& o, std::vector<std::string>& errors) {
  const std::string expected = describe(range::f_mhz, t().megahertz);
  const bool freq = c.freq_option->count() > 0;
  const bool bands = c.bands_option->count() > 0;
  if (freq && bands) {
    errors.push_back(std::string(t().not_both));
  } else if (bands) {
    const std::optional<std::string> set =
        single(*c.bands_option, "--bands", c.bands, "ham", errors);
    if (set && *set == "ham") o.f_mhz = kHamBands;
    if (set && *set != "ham") errors.push_back(fill(t().unknown_set, {*set}));
  } else if (freq) {
    const bool blank = std::find(c.freq.begin(), c.freq.end(), "") != c.freq.end();
    if (c.freq.empty() || blank) errors.push_back(fill(t().no_value, {"--freq", expected}));
    for (const std::string& text : c.freq) {
      if (text.empty()) continue;
      if (const std::optional<float> f =
              checked("--freq", text, range::f_mhz, t().megahertz, errors)) {
        o.f_mhz.push_back(*f);
      }
    }
  } else {
    errors.push_back(std::string(t().no_frequency));
  }
}

void read_choices(const Collected& c, Options& o, std::vector<std::string>& errors) {
  for (const std::string& v : c.raise_q) {
    if (v != "true") errors.push_back(fill(t().takes_no_value, {"--raise-q", v}));
  }
  o.raise_q = !c.raise_q.empty();
  if (c.format_option->count() > 0) {
    const std::optional<std::string> f =
        single(*c.format_option, "--format", c.format, "table, csv, json", errors);
    if (f && *f == "csv") o.format = Format::csv;
    if (f && *f == "json") o.format = Format::json;
    if (f && *f != "table" && *f != "csv" && *f != "json") {
      errors.push_back(fill(t().unknown_format, {*f}));
    }
  }
  if (c.plot_option->count() > 0) {
    if (c.plot_option->count() > 1) {
      errors.push_back(fill(t().repeated, {"--plot"}));
    } else if (c.plot.empty() || c.plot.front().empty()) {
      errors.push_back(std::string(t().plot_no_name));
    } else {
      o.plot_path = c.plot.front();
      if (errors.empty() && o.f_mhz.size() != 1) {
        errors.push_back(fill(t().plot_one, {std::to_string(o.f_mhz.size())}));
      }
    }
  }
}

// Options the program does not know, and values that belong to no option.
void read_leftovers(const std::vector<std::string>& remaining, std::vector<std::string>& errors) {
  for (const std::string& arg : remaining) {
    if (arg.size() > 1 && arg.front() == '-') {
      errors.push_back(fill(t().unknown_option, {arg.substr(0, arg.find('='))}));
    } else {
      errors.push_back(fill(t().stray, {arg}));
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

}  // namespace

std::string help_text() {
  const Texts& x = t();
  std::string out = std::string(x.help_title) + "\n\n" + std::string(x.help_usage) + "\n\n";
  out += std::string(x.help_starting_values) + '\n';
  for (const NumberOption& n : kNumberOptions) {
    const std::string_view unit = unit_of(n.unit);
    help_entry(out, n.name, unit.empty() ? "ЧИСЛО" : unit,
               std::string(x.*n.what) + ";\n" + describe(*n.range, unit));
  }
  out += '\n' + std::string(x.help_frequencies) + '\n';
  help_entry(out, "--freq", std::string(x.megahertz) + "...", x.help_freq);
  help_entry(out, "--bands", "ham", x.help_bands);
  out += '\n' + std::string(x.help_other) + '\n';
  help_entry(out, "--raise-q", "", x.help_raise_q);
  help_entry(out, "--format", "table|csv|json", x.help_format);
  help_entry(out, "--plot", "ФАЙЛ.svg", x.help_plot);
  help_entry(out, "--help", "", x.help_help);
  out += '\n' + std::string(x.help_footer) + '\n';
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
    parsed.errors.emplace_back(t().bad_arguments);
    return parsed;
  }
  if (c.help_option->count() > 0) {
    parsed.kind = Parsed::Kind::help;
    parsed.help = help_text();
    return parsed;
  }
  std::vector<std::string>& errors = parsed.errors;
  read_leftovers(app.remaining(), errors);
  read_numbers(c, parsed.options, errors);
  read_frequencies(c, parsed.options, errors);
  read_choices(c, parsed.options, errors);
  parsed.kind = errors.empty() ? Parsed::Kind::run : Parsed::Kind::error;
  return parsed;
}

}  // namespace plan
