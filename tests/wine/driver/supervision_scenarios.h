#pragma once

#include <vector>

#include "tests/wine/driver/scenarios.h"

namespace quirevo::testing {

// The scenarios of an Excel that hangs, dies or is killed, against the test server served out of
// process, in the order they run.
const std::vector<NamedScenario>& supervisionScenarios();

}  // namespace quirevo::testing
