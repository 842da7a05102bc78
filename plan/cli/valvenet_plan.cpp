// valvenet-plan: the stage design of the console programs at many
// frequencies, with a table, CSV or JSON and a response plot.

#include <iostream>
#include <string>
#include <vector>

#include "plan/cli/app.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return plan::run(args, std::cout, std::cerr);
}
