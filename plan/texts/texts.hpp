#pragma once

// Every text valvenet-plan shows (messages, --help, the table, the summary,
// the plot), one file per language: plan/texts_ru.hpp (kRussianTexts) and
// plan/texts_en.hpp (kEnglishTexts), both filling the struct of
// plan/text_fields.hpp. The Russian labels of the results and the warnings
// are the console programs' (text/, printer/results.hpp), referred to, not
// copied. A pattern's %1, %2, ... are filled by fill().

#include <cstddef>
#include <string>

#include "plan/texts/text_fields.hpp"
#include "plan/texts/text_list.hpp"
#include "plan/texts/texts_en.hpp"
#include "plan/texts/texts_ru.hpp"
#include "printer/results.hpp"

namespace plan {

// The texts valvenet-plan shows in a language.
inline const PlanTexts& plan_texts(Language language = Language::ru) {
  return language == Language::en ? kEnglishTexts : kRussianTexts;
}

// The label of a result in the table: the file report's numbered label
// (without its tabs and "= "), in the language of the texts.
// i : the line's index in results::kLines, < results::kLineCount
inline std::string result_label(const PlanTexts& t, std::size_t i) {
  const results::Line& line = results::kLines<text::Encoding::utf8>.at(i);
  std::string label = t.language == Language::en
                          ? results::numbered(line.file_number, kEnglishResultLabels.at(i).label)
                          : results::file_label(line);
  if (!label.empty() && label.front() == ' ') label.erase(0, 1);
  while (!label.empty() && (label.back() == ' ' || label.back() == '\t' || label.back() == '=')) {
    label.pop_back();
  }
  return label;
}

}  // namespace plan
