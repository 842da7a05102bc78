#pragma once

// The one table of valvenet-plan's options: name, JSON key, unit, range,
// help text and kind of each. Parsing, --help, the range messages, reading
// --inputs and writing "inputs" walk it; a page that builds a form from the
// options can walk it too (option_table()).

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/starting_values.hpp"
#include "plan/report/settings.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// Every option, in the order of --help.
enum class OptionId {
  p_out,
  e_supply,
  r_load,
  exponent,
  angle,
  q0,
  u_min,
  filter_db,
  c_tube,
  c_var_min,
  freq,
  bands,
  feed,
  margin,
  coil_diameter,
  wire,
  pitch,
  c1_max,
  c2_range,
  choke_diameter,
  choke_wire,
  choke_pitch,
  choke_turns,
  choke_series,
  choke_guard,
  blocking_pf,
  raise_q,
  format,
  plot,
  lang,
  inputs,
  network,
  r_mid,
  help,
  swr,
  smith,
  turns,        // the coil calculator's (valvenet-plan coil)
  choke_x_min,  // the choke search's (valvenet-plan choke)
  count
};
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(OptionId::count);

// The word of --q0 for each band's Q0 from its own coil.
inline constexpr std::string_view kQ0CoilWord = "coil";

// What an option takes, and how its key in "inputs" is written.
enum class OptionKind {
  number,   // one number; "inputs": a number
  numbers,  // one or more numbers; "inputs": an array
  pair,     // MIN:MAX; "inputs": [MIN, MAX]
  word,     // one of its choices; "inputs": a string
  path,     // a file name
  flag,     // no value
};

// The groups of --help.
enum class OptionGroup {
  starting_values,
  frequencies,
  parts,
  feed,  // the anode choke and the blocking capacitor
  other,
  coil_calculator,
  choke_search,
  help,  // --help, last in the help
};

// Whether a group's options belong to a command of their own (valvenet-plan
// coil, valvenet-plan choke), not to a design.
// g : any group
bool own_command(OptionGroup g);

// The options of valvenet-plan choke, in the order of its --help: the
// starting values, the frequencies, the choke's winding and reactance floor.
std::span<const OptionId> choke_command_options();

// The placeholder of an option's value in --help: a text of the language
// (or literal) followed by suffix; the choices joined by "|" when both are empty.
struct Placeholder {
  TextField text = nullptr;
  std::string_view literal;
  std::string_view suffix;
};

// An option's value as "inputs" keeps it.
struct Kept {
  std::vector<float> numbers;  // number (one), numbers, pair (two)
  std::string word;            // word
};

struct OptionSpec {
  OptionId id;
  std::string_view name;  // with the dashes
  std::string_view key;   // in the JSON "inputs" object; empty when not kept
  OptionKind kind;
  OptionGroup group;
  TextField unit;                             // nullptr for none
  Placeholder placeholder;                    // in --help
  TextField help;                             // the help text
  const starting_values::Range* range;        // number and pair: the accepted values; else nullptr
  const starting_values::Range* shown;        // the range as told to the user (nullptr: range)
  bool help_tells_range;                      // --help adds the range to the help text
  std::span<const std::string_view> choices;  // word: the accepted words; number: words also taken
  TextField unknown;                          // word: the message of a word not among them
  TextField expected_words;                   // word: what a file's "inputs" must hold
  float TypedInputs::*field;                  // a starting value: its member; else nullptr
  int most;                                   // values taken at most (-1: any number)
  // The value kept in "inputs" for these settings; nullopt: the key is left out.
  std::optional<Kept> (*kept)(const Settings&);
  int inputs_place;  // the place of the key in "inputs"; -1 when not kept
};

// The heading of each group of --help.
// g : any group
TextField group_heading(OptionGroup g);

// The whole table, indexed by OptionId.
std::span<const OptionSpec> option_table();
const OptionSpec& option(OptionId id);

// The range of a number option as the user is told it.
const starting_values::Range& shown_range(const OptionSpec& o);

// The keys of "inputs" in their order.
std::vector<const OptionSpec*> kept_options();

// The unit of an option in the language of t; empty for none.
std::string_view unit_of(const PlanTexts& t, const OptionSpec& o);

// The placeholder of an option's value in --help.
std::string placeholder_text(const PlanTexts& t, const OptionSpec& o);

// The choices of a word option joined by sep ("table, csv, json").
std::string joined_choices(const OptionSpec& o, std::string_view sep);

// A number as the texts write it: the shortest float digits, with the
// language's decimal mark.
std::string number_text(const PlanTexts& t, float v);

// "больше 0,1 и не больше 5000 Вт", "от 50 до 750", "не меньше 1 пФ".
std::string describe(const PlanTexts& t, const starting_values::Range& r, std::string_view unit);

// The expected value of an option in messages: its range with its unit, or
// its choices, or its placeholder.
std::string expected_text(const PlanTexts& t, const OptionSpec& o);

}  // namespace plan
