#pragma once

// The program's messages as the page shows them: under the field they
// concern, naming fields by their labels, in the page's words where the
// program's speak of the command line (PageTexts::messages).

#include <string>
#include <string_view>
#include <vector>

#include "web/form.hpp"

namespace web {

struct PageMessage {
  std::string field;  // the name of the field it stands under; "" for none
  std::string text;
};

// message : a message of valvenet-plan in the language of t and page
// form    : form_of(t, page)
PageMessage page_message(std::string_view message, const plan::PlanTexts& t, const PageTexts& page,
                         const std::vector<Group>& form);

// A text of the results (the report's HTML) in the page's words: the
// program's texts without a %1 that the page says otherwise replaced, option
// names replaced by the fields' labels.
std::string page_words(std::string text, const plan::PlanTexts& t, const PageTexts& page,
                       const std::vector<Group>& form);

// The name of the first field that a text names by its option ("--p-out: …"),
// or "" when it names none.
std::string field_named(std::string_view text, const std::vector<Group>& form);

}  // namespace web
