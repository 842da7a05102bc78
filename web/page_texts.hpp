#pragma once

// The page's own texts: what valvenet-plan, having no page, has no text
// for. One file per language: web/texts_ru.hpp, web/texts_en.hpp.

#include <string_view>

namespace web {

struct PageTexts {
  std::string_view title;        // the page's title and heading
  std::string_view intro;        // one line under the heading
  std::string_view form;         // the form's heading, for screen readers
  std::string_view language;     // the label of the language switch
  std::string_view results;      // the results' heading
  std::string_view table;        // the readable table's heading
  std::string_view plot;         // the response plot's heading
  std::string_view plot_at;      // the label of the choice of its frequency
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
};

}  // namespace web
