// Test entry: every test runs on the headless backend with virtual time.
#include <gtest/gtest.h>

#include "platform/testing/headless.h"

int main(int argc, char** argv) {
  zorva::headless::use();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
