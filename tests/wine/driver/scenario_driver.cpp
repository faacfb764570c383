// Runs one end-to-end scenario of Quirevo.exe against the test server; scripts/windows-wine-check
// runs each in turn, resetting the Wine prefix between them. Prints one line per check and a
// closing "N passed, M failed" line; exits non-zero on any failure.
//
//   quirevo_scenario_driver QUIREVO_EXE WORKING_DIR SERVER_DLL SCENARIO
//   quirevo_scenario_driver --list          the scenarios' names, one a line
//   quirevo_scenario_driver --shortcut LNK SERVER_FILES_DIR SERVER_DLL SCENARIO
// The --shortcut form starts the program as its shortcut does (an installed Quirevo: the shortcut's
// target in the shortcut's working folder); the server's settings and log go to
// SERVER_FILES_DIR.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "platform/windows/wide_text.h"
#include "tests/wine/driver/scenarios.h"
#include "tests/wine/driver/shortcut.h"

namespace {

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/"));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring_view(argv[1]) == L"--list") {
    for (const std::string& name : quirevo::testing::scenarioNames()) {
      std::printf("%s\n", name.c_str());
    }
    return 0;
  }
  const bool shortcut = argc == 6 && std::wstring(argv[1]) == L"--shortcut";
  if (argc != 5 && !shortcut) {
    std::fprintf(stderr,
                 "usage: quirevo_scenario_driver QUIREVO_EXE WORKING_DIR SERVER_DLL SCENARIO\n"
                 "       quirevo_scenario_driver --shortcut LNK SERVER_FILES_DIR SERVER_DLL "
                 "SCENARIO\n");
    return 2;
  }
  quirevo::testing::DriverPaths paths{argv[1], argv[2], argv[3], {}};
  const std::string name = quirevo::toUtf8(argv[shortcut ? 5 : 4]);
  quirevo::testing::Checks checks;
  try {
    if (shortcut) {
      const quirevo::testing::Shortcut link = quirevo::testing::readShortcut(argv[2]);
      checks.check(CompareStringOrdinal(link.workingFolder.c_str(), -1,
                                        folderOf(link.target).c_str(), -1, TRUE) == CSTR_EQUAL,
                   "the shortcut starts the program in its own folder",
                   quirevo::toUtf8(link.target + L" in " + link.workingFolder));
      paths = {link.target, link.workingFolder, argv[4], argv[3]};
    }
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
