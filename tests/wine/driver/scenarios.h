#pragma once

#include <string>

#include "tests/wine/driver/scenario_run.h"

namespace quirevo::testing {

// Runs the named scenario; false when there is no scenario of that name.
bool runScenario(const std::string& name, ScenarioRun& run);

}  // namespace quirevo::testing
