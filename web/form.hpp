#pragma once

// The page's form, read from valvenet-plan's own table of its options:
// every option a design takes, in the order and the groups of --help, with
// the kind of field it needs and its unit and range from the table, and its
// label, typical values and explanation in the page's words (PageTexts).

#include <string>
#include <string_view>
#include <vector>

#include "plan/texts/texts.hpp"
#include "web/page_texts.hpp"

namespace web {

// How a field is typed.
enum class Kind {
  value,   // one value, typed (a number, MIN:MAX): a text field; a number's words as a choice
  values,  // several values in one field (--freq)
  choice,  // one of the choices, the first being the default
  flag,    // given or not (--raise-q)
  bands,   // the ham bands, each ticked or not (--bands ham: all of them)
};

// A word the option takes and what the page calls it.
struct Choice {
  std::string value;  // as the program takes it: "pi-l"
  std::string label;  // as the page shows it: "П-L-контур"
};

// A ham band of the band picker.
struct BandChoice {
  int metres;         // its name, e.g. 40
  std::string f_mhz;  // MHz, the frequency the program computes it at, as text
  bool hf;            // below 30 MHz
};

// A field shown only while another has one of its values (Rm with the Pi-L).
struct ShownWith {
  std::string field;  // the other field's name
  std::string value;  // its value
};

struct Field {
  std::string option;   // with the dashes, e.g. --p-out
  std::string name;     // without them: the field's name and query parameter
  std::string unit;     // e.g. "Вт"
  std::string label;    // short, e.g. "Выходная мощность"
  std::string range;    // the values taken, e.g. "больше 0,1 и не больше 5000 Вт"
  std::string typical;  // e.g. "обычно 100–1500"
  std::string help;     // the longer explanation
  Kind kind = Kind::value;
  std::vector<Choice> choices;     // choice, flag; value: words taken instead of a number
  std::vector<std::string> needs;  // value's words: the fields to fill before choosing one
  std::vector<BandChoice> bands;   // bands
  ShownWith shown_with;            // field "": always shown
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

// The groups of the form in the language of t and page. The language
// switch is left out: see language_field.
std::vector<Group> form_of(const plan::PlanTexts& t, const PageTexts& page);

// The field of --lang, in the language of t and page.
Field language_field(const plan::PlanTexts& t, const PageTexts& page);

}  // namespace web
