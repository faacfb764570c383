#pragma once

#include <vector>

#include "tests/wine/driver/scenarios.h"

namespace quirevo::testing {

// The scenarios of quirevo.com, the console companion: commands against the test server served
// out of process, the window started from a prompt, Ctrl+C, and which program gets a console.
const std::vector<NamedScenario>& consoleScenarios();

}  // namespace quirevo::testing
