// A fresh working directory for one test, removed afterwards: the files a test makes with
// relative names (the script, saved pictures) never meet another test's.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

namespace zorva::testing_support {

class ScratchDirectory {
 public:
  // Makes a fresh directory and makes it the working directory.
  void enter() {
    char pattern[] = "/tmp/zorva-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  // Goes back to the previous working directory and removes the scratch one.
  void leave() {
    if (path_.empty()) return;
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
    path_.clear();
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace zorva::testing_support
