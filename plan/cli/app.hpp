#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "plan/cli/options.hpp"
#include "plan/write/outputs.hpp"

namespace plan {

// Everything a run with these options reports: the designs, the summary
// and the parts.
// o : options as parse_options gives them for Kind::run
PlanReport make_report(const Options& o);

// The whole program valvenet-plan. Returns its exit status: 0 when every
// design completed or was refused by the critical-Q rule, 2 for bad
// arguments (nothing computed), 1 when an output cannot be written.
// args : the arguments after the program name
// out  : standard output: the report in the chosen format, or the help
// err  : standard error: what was wrong
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace plan
