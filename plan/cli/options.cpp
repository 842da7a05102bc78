#include "plan/cli/options.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "main/pi_l_design.hpp"
#include "main/starting_values.hpp"
#include "plan/cli/option_table.hpp"
#include "plan/cli/option_values.hpp"
#include "plan/cli/parts_options.hpp"
#include "plan/cli/saved.hpp"
#include "plan/report/coil_q.hpp"

namespace plan {

namespace {

namespace range = starting_values::dialog_range;
using Texts = PlanTexts;
using O = OptionId;

// What the argument library collected; every check is the program's own,
// so that every message is in the program's language and names the option.
struct Collected {
  std::array<std::vector<std::string>, kOptionCount> values;
  std::array<CLI::Option*, kOptionCount> options{};
  Saved saved;  // from --inputs

  // The option as given on the command line, else as the file has it (an
  // option the command does not take is not given).
  Given given(O id) const {
    const std::size_t i = static_cast<std::size_t>(id);
    const std::string_view name = option(id).name;
    if (options[i] == nullptr) return {0, {}, std::string(name)};
    if (options[i]->count() > 0) return {options[i]->count(), values[i], std::string(name)};
    if (const auto s = saved.by_option.find(name); s != saved.by_option.end()) {
      return {1, s->second.values, s->second.label};
    }
    return {0, {}, std::string(name)};
  }
  bool typed(O id) const {
    const CLI::Option* o = options[static_cast<std::size_t>(id)];
    return o != nullptr && o->count() > 0;
  }
  GivenOf given_of() const {
    return [this](O id) { return given(id); };
  }
  const std::vector<std::string>& typed_values(O id) const {
    return values[static_cast<std::size_t>(id)];
  }
};

// The options of a command: valvenet-plan's all of them (those of the
// other commands to say where they belong), valvenet-plan choke's its own.
std::vector<O> command_options(Command command) {
  std::vector<O> out;
  if (command == Command::choke) {
    const std::span<const O> own = choke_command_options();
    return {own.begin(), own.end()};
  }
  for (const OptionSpec& o : option_table()) out.push_back(o.id);
  return out;
}

// Every option takes any number of values and may be repeated; what is
// left over stays in the library's remaining() list.
void declare(CLI::App& app, Collected& c, Command command) {
  app.set_help_flag();
  app.allow_extras();
  for (const O id : command_options(command)) {
    const OptionSpec& o = option(id);
    const std::size_t i = static_cast<std::size_t>(o.id);
    if (o.kind == OptionKind::flag) {
      const std::string names = std::string(o.name) + (o.id == O::help ? ",-h" : "");
      c.options[i] = app.add_flag(names, c.values[i]);
    } else {
      c.options[i] = app.add_option(std::string(o.name), c.values[i])
                         ->expected(0, o.most)
                         ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
  }
}

// The place among its choices of a word option's value, when it was given.
std::optional<std::size_t> choice(const Texts& t, const Collected& c, O id,
                                  std::vector<std::string>& errors) {
  return choice_of(t, option(id), c.given(id), errors);
}

// One number option as given, checked; nullopt when not given or wrong.
std::optional<float> number_of(const Texts& t, const Collected& c, const OptionSpec& o,
                               std::vector<std::string>& errors) {
  return number_of(t, c.given_of(), o, errors);
}

// Whether a starting value was given as one of the words it takes instead
// of a number (--q0 coil).
bool given_as_word(const Collected& c, const OptionSpec& n) {
  const Given g = c.given(n.id);
  return g.count == 1 && g.values.size() == 1 &&
         std::find(n.choices.begin(), n.choices.end(), g.values.front()) != n.choices.end();
}

// The starting values; true when every one was accepted.
bool read_numbers(const Texts& t, const Collected& c, Options& o,
                  std::vector<std::string>& errors) {
  const std::size_t before = errors.size();
  std::array<bool, kOptionCount> valid{};
  for (const OptionSpec& n : option_table()) {
    if (n.group != OptionGroup::starting_values) continue;
    if (c.given(n.id).count == 0) {
      errors.push_back(fill(t.missing, {n.name, expected_text(t, n)}));
    } else if (given_as_word(c, n)) {
      o.q0_coil = true;
      o.inputs.*n.field = kCoilQStart;
      valid[static_cast<std::size_t>(n.id)] = true;
    } else if (const std::optional<float> v = number_of(t, c, n, errors)) {
      o.inputs.*n.field = *v;
      valid[static_cast<std::size_t>(n.id)] = true;
    }
  }
  // The further limit of prompt 7, when both voltages are themselves valid.
  const bool both =
      valid[static_cast<std::size_t>(O::e_supply)] && valid[static_cast<std::size_t>(O::u_min)];
  const float limit = range::u_min_limit(o.inputs.e_supply);
  if (both && !(o.inputs.u_min <= limit)) {
    const Given u_min = c.given(O::u_min);
    errors.push_back(
        fill(t.u_min_limit, {u_min.label, u_min.values.front(), number_text(t, limit)}));
  }
  return errors.size() == before;
}

// The frequencies; true when they were read without a mistake.
bool read_frequencies(const Texts& t, const Collected& c, Options& o,
                      std::vector<std::string>& errors) {
  const std::size_t before = errors.size();
  const OptionSpec& freq = option(O::freq);
  const bool typed_freq = c.typed(O::freq);
  const bool bands = c.typed(O::bands);
  if (typed_freq && bands) {
    errors.push_back(std::string(t.not_both));
  } else if (bands) {
    if (choice(t, c, O::bands, errors)) o.f_mhz = kHamBands;
  } else if (const Given g = c.given(O::freq); g.count > 0) {
    const bool blank = std::find(g.values.begin(), g.values.end(), "") != g.values.end();
    if (g.values.empty() || blank)
      errors.push_back(fill(t.no_value, {g.label, expected_text(t, freq)}));
    for (const std::string& text : g.values) {
      if (text.empty()) continue;
      if (const std::optional<float> f = checked(t, g.label, text, freq, errors)) {
        o.f_mhz.push_back(*f);
      }
    }
  } else {
    errors.push_back(std::string(t.no_frequency));
  }
  return errors.size() == before;
}

void read_choices(const Texts& t, const Collected& c, Options& o, bool frequencies_valid,
                  std::vector<std::string>& errors) {
  const std::vector<std::string>& raise_q = c.typed_values(O::raise_q);
  for (const std::string& v : raise_q) {
    if (v != "true") errors.push_back(fill(t.takes_no_value, {option(O::raise_q).name, v}));
  }
  o.raise_q = !raise_q.empty() || c.saved.raise_q;
  if (c.typed(O::format)) {
    constexpr std::array<Format, 3> kFormats{Format::table, Format::csv, Format::json};
    if (const std::optional<std::size_t> f = choice(t, c, O::format, errors))
      o.format = kFormats[*f];
  }
  if (const Given g = c.given(O::plot); g.count > 0) {
    if (g.count > 1) {
      errors.push_back(fill(t.repeated, {g.label}));
    } else if (g.values.empty() || g.values.front().empty()) {
      errors.push_back(std::string(t.plot_no_name));
    } else {
      o.plot_path = g.values.front();
      if (frequencies_valid && o.f_mhz.size() != 1) {
        errors.push_back(fill(t.plot_one, {std::to_string(o.f_mhz.size())}));
      }
    }
  }
}

// --swr and --smith (one frequency, as --plot).
void read_load_circle(const Texts& t, const Collected& c, Options& o, bool frequencies_valid,
                      std::vector<std::string>& errors) {
  if (const std::optional<float> s = number_of(t, c, option(O::swr), errors)) o.swr = *s;
  const Given g = c.given(O::smith);
  if (g.count == 0) return;
  if (g.count > 1) {
    errors.push_back(fill(t.repeated, {g.label}));
  } else if (g.values.empty() || g.values.front().empty()) {
    errors.push_back(std::string(t.smith_no_name));
  } else {
    o.smith_path = g.values.front();
    if (frequencies_valid && o.f_mhz.size() != 1) {
      errors.push_back(fill(t.smith_one, {std::to_string(o.f_mhz.size())}));
    }
    if (c.given(O::swr).count == 0) errors.emplace_back(t.smith_needs_swr);
  }
}

// Rm of the Pi-L: above the load, below the highest anode resistance any
// design of these starting values can have (U^2 / P); each test only when
// the values it compares with are themselves valid.
void check_r_mid(const Texts& t, const Options& o, bool inputs_valid,
                 std::vector<std::string>& errors) {
  if (!inputs_valid) return;
  const float bound = design::anode_resistance_bound(o.inputs);
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
  constexpr std::array<TankKind, 2> kNetworks{TankKind::pi, TankKind::pi_l};
  if (const std::optional<std::size_t> n = choice(t, c, O::network, errors)) {
    o.network = kNetworks[*n];
  }
  if (o.network != TankKind::pi_l) {
    if (c.typed(O::r_mid)) errors.push_back(std::string(t.r_mid_without_pi_l));
    return;
  }
  if (c.given(O::r_mid).count > 0) {
    const std::optional<float> v = number_of(t, c, option(O::r_mid), errors);
    if (!v) return;
    o.r_mid = *v;
  }
  check_r_mid(t, o, inputs_valid, errors);
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

// The language of --lang (from the command line, else from the file of
// --inputs), or an error (in Russian, the default).
Language read_language(const Collected& c, std::vector<std::string>& errors) {
  constexpr std::array<Language, 2> kLanguages{Language::ru, Language::en};
  const std::optional<std::size_t> l = choice(kRussianTexts, c, O::lang, errors);
  return l ? kLanguages[*l] : Language::ru;
}

// Reads the file of --inputs into c.saved; false when it cannot be read.
bool read_inputs_file(const Texts& t, Collected& c, std::vector<std::string>& errors) {
  if (!c.typed(O::inputs)) return true;
  const std::optional<std::string> path =
      single(t, c.given(O::inputs), expected_text(t, option(O::inputs)), errors);
  if (!path) return true;
  c.saved = read_saved(*path, saved_keys(), t);
  errors.insert(errors.end(), c.saved.errors.begin(), c.saved.errors.end());
  return c.saved.errors.empty();
}

}  // namespace

// Every key the JSON "inputs" object may hold.
std::vector<SavedKey> saved_keys() {
  std::vector<SavedKey> keys;
  for (const OptionSpec& o : option_table()) {
    if (o.inputs_place < 0) continue;
    SavedKey k{o.key, o.name, SavedKind::number};
    if (o.kind == OptionKind::numbers) k.kind = SavedKind::numbers;
    if (o.kind == OptionKind::pair) k.kind = SavedKind::pair;
    if (o.kind == OptionKind::number) k.number_words = o.choices;
    if (o.kind == OptionKind::word) {
      k.kind = SavedKind::word;
      k.words = o.expected_words;
    }
    keys.push_back(k);
  }
  return keys;
}

namespace {

// Every value of the command line (and of the file of --inputs) read and checked.
void read_all(const Texts& t, const Collected& c, Command command, Parsed& parsed) {
  std::vector<std::string>& errors = parsed.errors;
  Options& o = parsed.options;
  const bool inputs_valid = read_numbers(t, c, o, errors);
  const bool frequencies_valid = read_frequencies(t, c, o, errors);
  read_choices(t, c, o, frequencies_valid, errors);
  if (command == Command::choke) {
    read_choke_search(t, c.given_of(), o, errors);
  } else {
    read_parts(t, c.given_of(), o, errors);
  }
  if (o.q0_coil && !o.parts.coil && c.given(O::coil_diameter).count == 0)
    errors.emplace_back(t.q0_coil_needs_coil);
  read_network(t, c, o, inputs_valid, errors);
  read_load_circle(t, c, o, frequencies_valid, errors);
  if (command == Command::plan && c.typed(O::turns)) errors.emplace_back(t.turns_only_coil);
  if (command == Command::plan && c.typed(O::choke_x_min))
    errors.emplace_back(t.feed.x_min_only_choke);
}

}  // namespace

Parsed parse_options(const std::vector<std::string>& args, Command command) {
  CLI::App app;
  Collected c;
  declare(app, c, command);
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
  if (c.typed(O::help)) {
    parsed.kind = Parsed::Kind::help;
    if (command == Command::plan) parsed.help = help_text(plan_texts(parsed.language));
    return parsed;
  }
  // A file that cannot be read says nothing about the options.
  if (!read_inputs_file(plan_texts(parsed.language), c, errors)) return parsed;
  // The language kept in the file, unless the command line gives one.
  if (!c.typed(O::lang) && c.given(O::lang).count > 0) parsed.language = read_language(c, errors);
  parsed.options.language = parsed.language;
  const Texts& t = plan_texts(parsed.language);
  read_leftovers(t, app.remaining(), errors);
  read_all(t, c, command, parsed);
  parsed.kind = errors.empty() ? Parsed::Kind::run : Parsed::Kind::error;
  return parsed;
}

}  // namespace plan
