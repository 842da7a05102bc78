#pragma once

// The response plot of one design as an SVG document: |Vout| relative to its
// peak in dB and |S11|, from 0.5 f to 3.5 f, with f, 2f and 3f marked.

#include <string>

#include "plan/stage_design.hpp"

namespace plan {

// The whole SVG document. A refused design gets a document that says so.
std::string plot_svg(const Design& design);

}  // namespace plan
