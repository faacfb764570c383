// Quirevo.exe started with a workbook, as "Open with" or a command prompt starts it.
#include "tests/wine/driver/start_scenarios.h"

#include "platform/windows/wide_text.h"
#include "tests/wine/driver/scenario_helpers.h"

namespace quirevo::testing {

namespace {

// Named relative to the working folder: by the time the window shows, Eng is chosen, the file
// field names the workbook by its full path and the list shows its sheets in English.
void startedWithWorkbook(ScenarioRun& run) {
  const std::string book = run.runFile("Opened.xlsx");
  if (!run.start(workbook(run, "Opened.xlsx", {{"North", 2}, {"South", 1}}), ServerKind::InProcess,
                 L"Opened.xlsx")) {
    return;
  }
  QuirevoWindow& w = run.window();
  const std::vector<std::wstring> list = {L"File information",
                                          L"Sheet №1 - Sheets name: North - Num pages: 2",
                                          L"Sheet №2 - Sheets name: South - Num pages: 1"};
  run.checks().check(w.listLines() == list, "the shown window lists the workbook's sheets",
                     std::to_string(w.listLines().size()) + " lines");
  run.checks().check(textOf(w.fileField()) == toWide(book),
                     "the file field names the workbook by its full path",
                     toUtf8(textOf(w.fileField())));
  run.checks().check(
      SendMessageW(w.languageBox(), CB_GETCURSEL, 0, 0) == 0 && textOf(w.languageBox()) == L"Eng",
      "Eng is chosen");
  run.expectNoMessageBox("a start with a workbook");
  w.closeBox();
  run.expectExit("the close box");
  run.expectRequests(join({startUp(), openWorkbook(book), listing(2), released()}));
}

}  // namespace

const std::vector<NamedScenario>& startScenarios() {
  static const std::vector<NamedScenario> all = {{"started-with-workbook", startedWithWorkbook}};
  return all;
}

}  // namespace quirevo::testing
