// Runs one end-to-end scenario of Quirevo.exe against the test server; scripts/windows-wine-check
// runs each in turn, resetting the Wine prefix between them. Prints one line per check and a
// closing "N passed, M failed" line; exits non-zero on any failure.
//
//   quirevo_scenario_driver QUIREVO_EXE WORKING_DIR SERVER_DLL SCENARIO
//   quirevo_scenario_driver --list          the scenarios' names, one a line
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string_view>

#include "platform/windows/wide_text.h"
#include "tests/wine/driver/scenarios.h"

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring_view(argv[1]) == L"--list") {
    for (const std::string& name : quirevo::testing::scenarioNames()) {
      std::printf("%s\n", name.c_str());
    }
    return 0;
  }
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: quirevo_scenario_driver QUIREVO_EXE WORKING_DIR SERVER_DLL SCENARIO\n");
    return 2;
  }
  const quirevo::testing::DriverPaths paths{argv[1], argv[2], argv[3]};
  const std::string name = quirevo::toUtf8(argv[4]);
  quirevo::testing::Checks checks;
  try {
    quirevo::testing::ScenarioRun run(paths, checks);
    if (!quirevo::testing::runScenario(name, run)) {
      std::fprintf(stderr, "no scenario %s\n", name.c_str());
      return 2;
    }
  } catch (const std::exception& error) {
    checks.check(false, "the scenario runs to its end", error.what());
  }
  std::printf("%s: %d passed, %d failed\n", name.c_str(), checks.passed(), checks.failed());
  return checks.failed() == 0 ? 0 : 1;
}
