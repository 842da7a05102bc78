#pragma once

// The run's starting values and options as the report document's first
// block: in JSON each kept option by its key, as --inputs reads it back;
// in the table the starting values in two columns and the answer to the
// hot-capacitance question.

#include "plan/report/document.hpp"
#include "plan/report/plan_report.hpp"

namespace plan {

// report : a report of make_report (its designs give the frequencies)
doc::Block inputs_block(const PlanReport& report);

}  // namespace plan
