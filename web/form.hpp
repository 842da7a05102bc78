#pragma once

// The page's form, read from valvenet-plan's own table of its options:
// every option a design takes, in the order and the groups of --help, with
// its label, its range and what kind of field it needs. Nothing of it is
// written twice.

#include <string>
#include <string_view>
#include <vector>

#include "plan/texts/texts.hpp"

namespace web {

// How a field is typed.
enum class Kind {
  value,   // one value, typed (a number, MIN:MAX): a text field
  values,  // several values in one field, separated by blanks (--freq)
  choice,  // one of the words of the help, the first being the default
  flag,    // given or not (--raise-q, --bands ham)
};

struct Field {
  std::string option;  // with the dashes, e.g. --p-out
  std::string name;    // without them: the field's name and query parameter
  std::string unit;    // what the help writes after the option, e.g. "Вт"
  std::string label;   // the help's first line, e.g. "выходная мощность …"
  std::string hint;    // the rest of the help: the range, notes
  Kind kind = Kind::value;
  std::vector<std::string> choices;  // choice and flag: the words, flag: the one
};

struct Group {
  std::string heading;
  std::vector<Field> fields;
};

// The options of --help that are not fields of the form: the page shows
// every format at once and the plot inline, Open JSON stands for --inputs,
// and the language is the page's own switch.
inline constexpr std::string_view kFormatOption = "--format";
inline constexpr std::string_view kPlotOption = "--plot";
inline constexpr std::string_view kSmithOption = "--smith";
inline constexpr std::string_view kInputsOption = "--inputs";
inline constexpr std::string_view kHelpOption = "--help";
inline constexpr std::string_view kLangOption = "--lang";

// The groups of the form in the language of t. The language switch is left
// out: see language_field.
std::vector<Group> form_of(const plan::PlanTexts& t);

// The field of --lang, in the language of t.
Field language_field(const plan::PlanTexts& t);

// The name of the first field that a message of the program names
// ("--p-out: …"), or "" when it names none.
std::string field_named(std::string_view message, const std::vector<Group>& form);

}  // namespace web
