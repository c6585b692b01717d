// zorva-run [--script FILE] [--ticks N] [--png FILE] [--frames DIR] [--log FILE]
//           [--answer TEXT]... [--timeout SECONDS] PROGRAM [ARGS...]
#include <iostream>
#include <string>
#include <vector>

#include "tools/run/run_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return zorva::tools::run_command(arguments, std::cout, std::cerr);
}
