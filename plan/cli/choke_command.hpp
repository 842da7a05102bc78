#pragma once

// valvenet-plan choke: the anode choke's turns for the stage's bands.

#include <ostream>
#include <string>
#include <vector>

namespace plan {

// valvenet-plan choke: the exit status (0 searched, also when no turns count
// will do, or --help; 2 bad arguments; 1 the output cannot be written).
// args : the arguments after "choke";  out, err : standard output and error
int run_choke(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace plan
