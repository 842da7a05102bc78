// valvenet with its console texts in UTF-8.

#include <cstdio>

#include "console/system_console.hpp"
#include "main/program.hpp"

int main() {
  console::SystemConsole con(stdin, stdout);
  const int status = program::run(con, text::Encoding::utf8);
  std::fflush(stdout);
  return status;
}
