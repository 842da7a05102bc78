#pragma once

// The response plot of one design as an SVG document: |Vout| relative to its
// peak in dB and |S11|, from 0.5 f to 3.5 f, with f, 2f and 3f marked and,
// with the choke options, the anode choke's series resonances.

#include <span>
#include <string>

#include "plan/report/stage_design.hpp"
#include "plan/texts/texts.hpp"

namespace plan {

// The whole SVG document, in the language of the texts, with a mark at each
// series resonance of the anode choke in its span. A refused design gets a
// document that says so.
// design : of the report;  texts : the language's;  choke_series_mhz : MHz, none without a choke
std::string plot_svg(const Design& design, const PlanTexts& texts = kRussianTexts,
                     std::span<const double> choke_series_mhz = {});

}  // namespace plan
