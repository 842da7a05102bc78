#pragma once

// The page of --smith: the Smith chart of the one frequency's design, of its
// Pi-L with --network pi-l, in the report's language.

#include <cstddef>
#include <string>

#include "plan/draw/smith_chart.hpp"
#include "plan/report/plan_report.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// The chart's words in the language of t.
SmithTexts smith_texts(const PlanTexts& t);

// The whole SVG document of the design at index; a page that says so when
// it was refused.
// report : made with --swr;  index : < report.designs.size();  t : the texts of its language
std::string smith_page(const PlanReport& report, std::size_t index, const PlanTexts& t);

}  // namespace plan
