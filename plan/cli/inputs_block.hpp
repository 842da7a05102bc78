#pragma once

// The run's starting values and options as the report document's first
// block: in JSON each kept option by its key, as --inputs reads it back;
// in the table the starting values in two columns and the answer to the
// hot-capacitance question.

#include <span>

#include "plan/cli/option_table.hpp"
#include "plan/report/document.hpp"
#include "plan/report/plan_report.hpp"

namespace plan {

// report : a report of make_report (its designs give the frequencies)
doc::Block inputs_block(const PlanReport& report);

// The same of a command's settings, its kept options those of `only` (all
// when empty).
// settings : as the command line gave them;  only : the command's options
doc::Block inputs_block(const Settings& settings, std::span<const OptionId> only);

}  // namespace plan
