#pragma once

// valvenet-plan coil: the coil calculator's command line.

#include <ostream>
#include <string>
#include <vector>

namespace plan {

// valvenet-plan coil: the exit status (0 computed or --help, 2 bad
// arguments, 1 the output cannot be written).
// args : the arguments after "coil";  out, err : standard output and error
int run_coil(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace plan
