#pragma once

// Reading one option's value: the number with its range, the one value of
// an option that takes one, the coil's sizes, and an entry of --help. The
// main command line and the coil calculator's read their values with these,
// so that both give the same limits and the same messages.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plan/cli/option_table.hpp"
#include "plan/report/parts.hpp"

namespace plan {

// The number of a command-line value: a comma inside it is the decimal
// comma, as in the dialog. nullopt when it is no number.
// given : the value as typed, any text
std::optional<float> read_number(std::string_view given);

// The value of one number option, or an error naming it (label), its range
// and what was given.
// t : texts of the run's language;  label : the option or the file's key;  given : as typed
// o : a number, numbers or pair option (o.range set);  errors : the list the error is added to
std::optional<float> checked(const PlanTexts& t, std::string_view label, std::string_view given,
                             const OptionSpec& o, std::vector<std::string>& errors);

// What one option was given, from the command line or else from the file
// of --inputs; label names it in messages.
struct Given {
  std::size_t count = 0;  // times given; 0: not given
  std::vector<std::string> values;
  std::string label;
};

// What the command line (else the file of --inputs) gave each option.
using GivenOf = std::function<Given(OptionId)>;

// The one value of an option that takes one: nullopt (and an error) when it
// is given more than once or without its value.
// t : texts;  g : as given;  expected : the expected value for the message;  errors : added to
std::optional<std::string> single(const PlanTexts& t, const Given& g, std::string_view expected,
                                  std::vector<std::string>& errors);

// The place among its choices of a word option's value when it was given;
// nullopt (and an error for a word not among them) otherwise.
// t : texts;  o : a word option;  g : as given;  errors : added to
std::optional<std::size_t> choice_of(const PlanTexts& t, const OptionSpec& o, const Given& g,
                                     std::vector<std::string>& errors);

// One number option as given, checked; nullopt when not given or wrong.
// t : texts;  given : the run's;  o : a number option;  errors : added to
std::optional<float> number_of(const PlanTexts& t, const GivenOf& given, const OptionSpec& o,
                               std::vector<std::string>& errors);

// Whether every option of a group was given; an error naming the missing
// ones when only some were.
// t : texts;  given : the run's;  ids : the group;  errors : added to
bool whole_group(const PlanTexts& t, const GivenOf& given, std::span<const OptionId> ids,
                 std::vector<std::string>& errors);

// The messages of a winding whose pitch is below its wire (%1 pitch, %2
// wire) and whose wire is not below its diameter (%1 wire, %2 diameter).
struct WindingTexts {
  std::string_view pitch_below_wire;
  std::string_view wire_not_below_d;
};

// The coil's sizes when they make a winding: the pitch at least the wire,
// the wire thinner than the coil; else an error (the coil options' own, or w).
// t : texts;  d, wire, pitch : mm, each > 0;  errors : added to;  w : the messages
std::optional<CoilOptions> coil_sizes(const PlanTexts& t, float d, float wire, float pitch,
                                      std::vector<std::string>& errors);
std::optional<CoilOptions> coil_sizes(const PlanTexts& t, float d, float wire, float pitch,
                                      std::vector<std::string>& errors, const WindingTexts& w);

// Adds one option's entry to a --help text: the option and its value's
// placeholder, then what it is, indented.
// out : the help so far;  option, value, what : any texts (value may be empty)
void help_entry(std::string& out, std::string_view option, std::string_view value,
                std::string_view what);

}  // namespace plan
