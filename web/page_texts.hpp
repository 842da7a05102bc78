#pragma once

// The page's own texts: what valvenet-plan, having no page, has no text
// for, and the form's words, which speak of fields, not of options. One
// file per language: web/texts_ru.hpp, web/texts_en.hpp.

#include <array>
#include <span>
#include <string_view>

#include "plan/cli/option_table.hpp"

namespace web {

// The most words a choice of the form has (--network: pi, pi-l).
inline constexpr std::size_t kMostChoices = 3;

// A field of the form in plain words, keyed by the option it stands for: a
// new option is one entry of each language's table.
struct FieldText {
  plan::OptionId option;
  std::string_view label;    // short, e.g. "Выходная мощность"
  std::string_view typical;  // typical values, e.g. "обычно 100–1500"; "" for none
  std::string_view help;     // the longer explanation behind the field's help control
  // A choice's words in the order of the option table's (a number's words too:
  // --q0 coil); "" past the last.
  std::array<std::string_view, kMostChoices> choices{};
};

// The heading of a group of fields.
struct GroupText {
  plan::OptionGroup group;
  std::string_view heading;
};

// A message of the program that speaks the command line, said in the page's
// words: the same %1, %2, ... filled with the same values, option names
// then replaced by the fields' labels. A message without a %1 is replaced
// wherever it stands within another (the list hint after "not a number").
struct MessageText {
  plan::TextField message;
  std::string_view text;
  int field_arg;  // which %N names the field the message stands under; 0: the first field named
};

struct PageTexts {
  std::string_view title;        // the page's title and heading
  std::string_view intro;        // one line under the heading
  std::string_view form;         // the form's heading, for screen readers
  std::string_view language;     // the label of the language switch
  std::string_view results;      // the results' heading
  std::string_view table;        // the readable table's heading
  std::string_view plot;         // the response plot's heading
  std::string_view plot_at;      // the label of the choice of its frequency
  std::string_view smith;        // the Smith chart's heading
  std::string_view smith_at;     // the label of the choice of its frequency
  std::string_view json;         // the heading of the JSON text
  std::string_view compute_ms;   // before the time of the last recompute
  std::string_view errors;       // the heading of the list of errors
  std::string_view not_current;  // over results that the form no longer gives
  std::string_view loading;      // while the engine starts
  std::string_view save_json, save_csv, save_table, save_svg, open_json;
  std::string_view opened;       // %1 the name of the file the form was filled from
  std::string_view all_results;  // the section of every value of every band
  std::string_view totals;       // the section of the summary over the bands
  std::string_view status;       // %1 frequencies, %2 refused, %3 warnings: after a recompute
  std::string_view command_line, copy_command, copy_link;  // the command-line box
  std::string_view filled_from_example;  // a link gave some values: the example gave the rest
  std::string_view help;                 // the name of a field's help control
  std::string_view label_quote;          // %1 a field's label, as a message names the field
  std::string_view metre;                // after a band's wavelength: "40 м"
  std::string_view all_hf, all_bands;    // the band picker's buttons
  std::string_view q0_number;            // Q0's choice of a number
  std::string_view smith_load;           // %1 R + jX in ohm: a load of the SWR circle
  std::string_view smith_matched;        // %1 C1, %2 C2, pF: a load the network matches
  std::string_view smith_unmatched;      // %1 why not: a load it cannot match
  // Why a load of the SWR circle is matched or not, by retune::Reason.
  std::array<std::string_view, 5> load_reasons;
  std::span<const FieldText> fields;
  std::span<const GroupText> groups;
  std::span<const MessageText> messages;
};

}  // namespace web
