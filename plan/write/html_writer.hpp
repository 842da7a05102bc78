#pragma once

// The report document as the page's HTML: the answers first (the lead
// block, a table with the id "summary", each band's header cell with its
// frequency in data-f-mhz), then each other block of the root in a section
// that opens and closes. Numbers right-aligned in the table writer's forms;
// a wide grid is printed in tables of a few bands, none cut off.

#include <functional>
#include <string>
#include <string_view>

#include "plan/report/document.hpp"

namespace plan {

struct HtmlTexts {
  // The title of the n-th section (block b of the root, n from 0).
  std::function<std::string_view(const doc::Block& b, std::size_t n)> section;
};

// root : a report document;  texts : the sections' titles
std::string document_html(const doc::Block& root, const HtmlTexts& texts);

}  // namespace plan
