// zorva-diff: compares an expected picture with an actual one and says how many pixels differ.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorva::tools {

// Exit statuses.
inline constexpr int kPicturesAgree = 0;
inline constexpr int kPicturesDiffer = 1;  // more pixels differ than allowed, or the sizes do
inline constexpr int kCannotCompare = 2;   // a file cannot be read or written, or bad arguments

// Runs the command on its arguments (without the program's name); the report goes to `out`,
// problems to `err`. Returns the exit status.
int diff_command(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace zorva::tools
