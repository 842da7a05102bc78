#pragma once

// The summary over every design as a document block: the counts, the
// ranges of the elements and their heaviest duties, the hot capacitance,
// the parts over the bands (the largest ratings, the one tapped coil) and,
// with --swr, the largest values over every band and load.

#include "plan/report/document.hpp"
#include "plan/report/plan_report.hpp"

namespace plan {

// report : a report of make_report with its summaries
doc::Block summary_block(const PlanReport& report);

}  // namespace plan
