// valvenet with its console texts in code page 866.

#include <cstdio>

#include "console/system_console.hpp"
#include "main/program.hpp"

int main() {
  console::SystemConsole con(stdin, stdout);
  const int status = program::run(con, text::Encoding::cp866);
  std::fflush(stdout);
  return status;
}
