#pragma once

// The response plot of one design as an SVG document: |Vout| relative to its
// peak in dB and |S11|, from 0.5 f to 3.5 f, with f, 2f and 3f marked.

#include <string>

#include "plan/report/stage_design.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// The whole SVG document, in the language of the texts. A refused design
// gets a document that says so.
std::string plot_svg(const Design& design, const PlanTexts& texts = kRussianTexts);

}  // namespace plan
