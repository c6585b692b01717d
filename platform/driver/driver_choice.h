// Which driver the platform chose, and the driver itself.
#pragma once

#include <memory>
#include <string>

#include "platform/driver/driver.h"

namespace zorva::platform {

struct DriverChoice {
  const DriverEntry* entry = nullptr;
  std::unique_ptr<Driver> driver;
  std::string failure;  // why the chosen driver could not start
  bool headless_requested = false;
};

}  // namespace zorva::platform
