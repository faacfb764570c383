#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/driver/scenario_run.h"

namespace quirevo::testing {

using NamedScenario = std::pair<std::string, void (*)(ScenarioRun&)>;

// The names of every scenario, in the order they run; the one list the Wine check reads.
std::vector<std::string> scenarioNames();

// Runs the named scenario; false when there is no scenario of that name.
bool runScenario(const std::string& name, ScenarioRun& run);

}  // namespace quirevo::testing
