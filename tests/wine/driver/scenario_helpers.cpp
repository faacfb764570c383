#include "tests/wine/driver/scenario_helpers.h"

#include "platform/windows/wide_text.h"

namespace quirevo::testing {

namespace {

std::string lines(const std::vector<std::wstring>& list) {
  std::string text;
  for (const std::wstring& line : list) {
    text += (text.empty() ? "" : " | ") + toUtf8(line);
  }
  return text;
}

}  // namespace

std::string workbookAt(const std::string& path, const SheetPages& sheets) {
  std::string text = "workbook " + path + "\n";
  for (const auto& [name, pages] : sheets) {
    text += "sheet " + std::to_string(pages) + " " + name + "\n";
  }
  return text;
}

std::string workbook(ScenarioRun& run, const std::string& file, const SheetPages& sheets) {
  return workbookAt(run.runFile(file), sheets);
}

void expectList(ScenarioRun& run, const std::vector<std::wstring>& expected,
                const std::string& what) {
  waitFor([&] { return run.window().listLines().size() >= expected.size(); }, 10000);
  const auto shown = run.window().listLines();
  run.checks().check(shown == expected, what, lines(shown));
}

}  // namespace quirevo::testing
