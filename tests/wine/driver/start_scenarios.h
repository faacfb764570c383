#pragma once

#include <vector>

#include "tests/wine/driver/scenarios.h"

namespace quirevo::testing {

// The scenarios of a program started with a workbook, in the order they run.
const std::vector<NamedScenario>& startScenarios();

}  // namespace quirevo::testing
