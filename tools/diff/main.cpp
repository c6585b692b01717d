// zorva-diff EXPECTED.png ACTUAL.png [--tolerance T] [--max-differ PERCENT] [--out DIFF.png]
#include <iostream>
#include <string>
#include <vector>

#include "tools/diff/diff_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return zorva::tools::diff_command(arguments, std::cout, std::cerr);
}
