#include "plan/options.hpp"

#include <CLI/CLI.hpp>
#include <array>
#include <cmath>
#include <optional>

#include "console/tochka.hpp"
#include "main/starting_values.hpp"
#include "plan/outputs.hpp"

namespace plan {

namespace {

namespace range = starting_values::dialog_range;

// One numeric starting value on the command line.
struct NumberOption {
  std::string_view name;  // without the dashes
  std::string_view unit;  // as typed; empty for none
  std::string_view what;  // for --help
  const starting_values::Range* range;
  float TypedInputs::*field;
};

const std::array<NumberOption, 10> kNumberOptions{{
    {"p-out", "W", "output power into the load (dialog prompt 1)", &range::p_out,
     &TypedInputs::p_out},
    {"e-supply", "V", "anode supply voltage (prompt 2)", &range::e_supply, &TypedInputs::e_supply},
    {"r-load", "ohm", "load resistance (prompt 3)", &range::r_load, &TypedInputs::r_load},
    {"exponent", "", "exponent of the tube characteristic (prompt 4)", &range::tube_exponent,
     &TypedInputs::tube_exponent},
    {"angle", "degrees", "cut-off angle (prompt 5)", &range::cutoff_deg, &TypedInputs::cutoff_deg},
    {"q0", "", "unloaded Q of the Pi-network (prompt 6)", &range::q_unloaded,
     &TypedInputs::q_unloaded},
    {"u-min", "V", "minimum instantaneous anode voltage (prompt 7), also at most 0.95 x --e-supply",
     &range::u_min, &TypedInputs::u_min},
    {"filter-db", "dB", "required suppression of the 2nd harmonic (prompt 8)", &range::filter_db,
     &TypedInputs::filter_db},
    {"c-tube", "pF", "tube output plus wiring capacitance (prompt 9)", &range::c_tube_pf,
     &TypedInputs::c_tube},
    {"c-var-min", "pF", "minimum capacitance of the variable capacitor (prompt 10)",
     &range::c_var_min_pf, &TypedInputs::c_var_min},
}};

constexpr std::size_t kESupply = 1;  // places in kNumberOptions
constexpr std::size_t kUMin = 6;

std::string bound(float v) {
  return float_text(v);
}

// "greater than 0.1 and at most 5000 W", "from 50 to 750", "at least 1 pF".
std::string describe(const starting_values::Range& r, std::string_view unit) {
  std::string out;
  const bool upper = std::isfinite(r.high);
  if (r.low_included && upper) {
    out = "from " + bound(r.low) + " to " + bound(r.high);
  } else {
    out = (r.low_included ? "at least " : "greater than ") + bound(r.low);
    if (upper) out += " and at most " + bound(r.high);
  }
  if (!unit.empty()) out += ' ' + std::string(unit);
  return out;
}

std::string option_text(std::string_view name) {
  return "--" + std::string(name);
}

// The value of one option, or an error naming it, its range and what was given.
std::optional<float> checked(std::string_view option, std::string_view given,
                             const starting_values::Range& r, std::string_view unit,
                             std::vector<std::string>& errors) {
  const std::string expected = "expected " + describe(r, unit);
  const std::optional<float> value = tochka::parse_real_token(given);
  if (!value) {
    errors.push_back(option_text(option) + ": \"" + std::string(given) + "\" is not a number; " +
                     expected);
    return std::nullopt;
  }
  if (!std::isfinite(*value)) {
    errors.push_back(option_text(option) + ": \"" + std::string(given) +
                     "\" is not a finite number; " + expected);
    return std::nullopt;
  }
  if (!r.accepts(*value)) {
    errors.push_back(option_text(option) + ": " + std::string(given) + " is out of range; " +
                     expected);
    return std::nullopt;
  }
  return value;
}

constexpr std::string_view kFooter =
    R"(Frequencies: --freq takes a list in MHz, separated by commas (--freq 1.85,3.6,7.1)
and may be repeated; --bands ham stands for 1.85, 3.6, 7.1, 10.12, 14.15, 18.1,
21.2, 24.93, 28.5 and 50.1 MHz. Each frequency must lie from 0.1 to 60 MHz.

Every starting value is required and is checked against the same range as in
the dialog of valvenet-utf8; numbers are written with a decimal point (an
exponent such as 2.5e3 is accepted); NAN and INF are refused.

For each frequency valvenet-plan runs the same stage design as the console
programs, so every result agrees with them to the bit. A design refused by the
critical-Q rule (critical Q above 0.7 x Q0) is reported as refused.

Output on standard output, chosen with --format:
  table  readable table in Russian with the console programs' labels, the
         warnings and a summary over the frequencies (default)
  csv    a header row of the result names and one row per frequency
  json   {"inputs", "raise_q", "designs": [...], "summary"}; every number reads
         back as the same 32-bit float
--plot FILE.svg draws the response |Vout| in dB and |S11| from 0.5 f to 3.5 f
for a single frequency.

Exit status: 0 when every design completed or was refused by the critical-Q
rule, 2 for bad arguments, 1 when an output cannot be written.)";

}  // namespace

Parsed parse_options(const std::vector<std::string>& args) {
  CLI::App app(
      "valvenet-plan: the output stage of a valve transmitter with a Pi-network, designed at "
      "several frequencies at once.",
      "valvenet-plan");
  app.footer(std::string(kFooter));
  app.get_formatter()->column_width(34);

  std::array<std::string, kNumberOptions.size()> given;
  std::array<CLI::Option*, kNumberOptions.size()> opts{};
  for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
    const NumberOption& o = kNumberOptions[i];
    std::string help = std::string(o.what) + "; " + describe(*o.range, o.unit);
    opts[i] = app.add_option(option_text(o.name), given[i], help)
                  ->type_name(o.unit.empty() ? "NUM" : std::string(o.unit))
                  ->group("Starting values (all required)");
  }
  std::vector<std::string> freq_texts;
  std::string bands;
  CLI::Option* freq =
      app.add_option("--freq", freq_texts, "working frequencies, MHz, from 0.1 to 60")
          ->delimiter(',')
          ->allow_extra_args(false)
          ->type_name("MHZ,...")
          ->group("Frequencies (one of)");
  CLI::Option* band_opt = app.add_option("--bands", bands, "a set of frequencies: ham")
                              ->check(CLI::IsMember({"ham"}))
                              ->type_name("SET")
                              ->group("Frequencies (one of)");
  freq->excludes(band_opt);
  Parsed parsed;
  Options& o = parsed.options;
  app.add_flag("--raise-q", o.raise_q,
               "answer the hot-capacitance question with yes: raise the loaded Q (default: no)");
  std::string format = "table";
  app.add_option("--format", format, "table, csv or json (default table)")
      ->check(CLI::IsMember({"table", "csv", "json"}))
      ->type_name("FORMAT");
  CLI::Option* plot = app.add_option("--plot", o.plot_path,
                                     "write the response plot of the one frequency to FILE.svg")
                          ->type_name("FILE.svg");

  std::vector<std::string> argv_strings{"valvenet-plan"};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<const char*> argv;
  argv.reserve(argv_strings.size());
  for (const std::string& s : argv_strings) argv.push_back(s.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::CallForHelp&) {
    parsed.kind = Parsed::Kind::help;
    parsed.help = app.help();
    return parsed;
  } catch (const CLI::ParseError& e) {
    parsed.errors.push_back(e.what());
    return parsed;
  }

  std::vector<std::string>& errors = parsed.errors;
  std::array<bool, kNumberOptions.size()> valid{};
  for (std::size_t i = 0; i < kNumberOptions.size(); ++i) {
    const NumberOption& n = kNumberOptions[i];
    if (opts[i]->count() == 0) {
      errors.push_back(option_text(n.name) + " is missing; expected " + describe(*n.range, n.unit));
      continue;
    }
    if (const std::optional<float> v = checked(n.name, given[i], *n.range, n.unit, errors)) {
      o.inputs.*n.field = *v;
      valid[i] = true;
    }
  }
  // The further limit of prompt 7, when both voltages are themselves valid.
  if (valid[kESupply] && valid[kUMin]) {
    const float limit = starting_values::dialog_range::u_min_limit(o.inputs.e_supply);
    if (!(o.inputs.u_min <= limit)) {
      errors.push_back(
          "--u-min: " + given[kUMin] +
          " is out of range; expected at most 0.95 x --e-supply = " + float_text(limit) + " V");
    }
  }

  if (band_opt->count() > 0) {
    o.f_mhz = kHamBands;
  } else if (freq->count() > 0) {
    for (const std::string& t : freq_texts) {
      if (const std::optional<float> f = checked("freq", t, range::f_mhz, "MHz", errors)) {
        o.f_mhz.push_back(*f);
      }
    }
  } else {
    errors.push_back(
        "--freq or --bands is missing; expected --freq with frequencies from 0.1 to 60 MHz, "
        "or --bands ham");
  }
  if (format == "csv") o.format = Format::csv;
  if (format == "json") o.format = Format::json;
  if (plot->count() > 0 && o.plot_path.empty()) {
    errors.push_back("--plot: the file name is empty; expected FILE.svg");
  } else if (plot->count() > 0 && errors.empty() && o.f_mhz.size() != 1) {
    errors.push_back("--plot draws one frequency; " + std::to_string(o.f_mhz.size()) +
                     " were given");
  }
  parsed.kind = errors.empty() ? Parsed::Kind::run : Parsed::Kind::error;
  return parsed;
}

}  // namespace plan
