// An Excel that hangs or goes away, as the test server served out of process plays it: the busy
// dialog over the window, Stop ending the server's process, a server killed between requests or
// during one replaced at the next request, and no server process outliving Quirevo.
#include "tests/wine/driver/supervision_scenarios.h"

#include "platform/windows/wide_text.h"
#include "tests/wine/driver/scenario_helpers.h"
#include "tests/wine/driver/server_processes.h"

namespace quirevo::testing {

namespace {

// The busy dialog comes a second after a request began; this much is allowed for it.
constexpr DWORD kDialogWithinMs = 2000;

const SheetPages kBookSheets = {{"Alpha", 2}, {"Beta", 3}};
const SheetPages kOtherSheets = {{"Gamma", 1}};
const std::vector<std::wstring> kOtherList = {L"File information",
                                              L"Sheet №1 - Sheets name: Gamma - Num pages: 1"};

std::string books(ScenarioRun& run) {
  return workbook(run, "Book.xlsx", kBookSheets) + workbook(run, "Other.xlsx", kOtherSheets);
}

// The program's busy dialog: captioned as its message boxes are, but with "Stop".
HWND busyDialog(ScenarioRun& run, DWORD timeoutMs) {
  HWND dialog = nullptr;
  waitFor(
      [&] {
        dialog = topLevel(run.program().processId(), L"#32770", L"Quirevo");
        return dialog != nullptr && control(dialog, L"Button", L"Stop") != nullptr;
      },
      timeoutMs);
  return dialog != nullptr && control(dialog, L"Button", L"Stop") != nullptr ? dialog : nullptr;
}

std::wstring sentenceOf(HWND dialog) {
  for (HWND child : descendants(dialog)) {
    if (classOf(child) == L"Static") {
      return textOf(child);
    }
  }
  return {};
}

// Whether the window paints what was invalidated: its thread is not held by the request.
bool repaints(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  return waitFor([&] { return GetUpdateRect(window, nullptr, FALSE) == FALSE; }, 3000);
}

// The busy dialog over the window while the server hangs, and Stop pressed on it.
void stopTheHungRequest(ScenarioRun& run, const std::wstring& sentence) {
  HWND dialog = busyDialog(run, kDialogWithinMs);
  run.checks().check(dialog != nullptr, "the busy dialog comes up within two seconds");
  if (dialog == nullptr) {
    return;
  }
  HWND stop = control(dialog, L"Button", L"Stop");
  run.checks().check(sentenceOf(dialog) == sentence, "the busy dialog says what is being done",
                     toUtf8(sentenceOf(dialog)));
  run.checks().check(buttonType(stop) == BS_PUSHBUTTON, "Stop is not the default button");
  run.checks().check(IsWindowEnabled(run.window().main()) == FALSE,
                     "the window takes no input under the dialog");
  run.checks().check(repaints(run.window().main()), "the window repaints under the dialog");
  PostMessageW(stop, BM_CLICK, 0, 0);
}

void expectServers(ScenarioRun& run, std::size_t count, const std::string& when) {
  const auto running = waitForServerProcesses(exactly(count), 10000);
  run.checks().check(
      running.has_value(),
      std::to_string(count) + " server process" + (count == 1 ? "" : "es") + " running " + when,
      running ? "" : std::to_string(serverProcesses().size()) + " running");
}

// The run's request log, then no server left once the program has ended: a server exits when it
// has been released, a moment after it says so in the log.
void expectRequestsAndNoServer(ScenarioRun& run, const Requests& expected) {
  run.expectRequests(expected);
  expectServers(run, 0, "after the program ended");
}

void killTheServer(ScenarioRun& run) {
  const auto running = waitForServerProcesses(exactly(1), 10000);
  run.checks().check(running && endProcess(running->front()), "the server's process is ended");
}

// The start-up workbook closed and the named one opened, with the list of its sheets.
Requests openedAndListed(const std::string& path, int sheets) {
  return join({openWorkbook(path), listing(sheets)});
}

// Requests up to the last, which the server marks with how it ended.
Requests endingIn(Requests requests, const std::string& ending) {
  requests.back() += " -> " + ending;
  return requests;
}

// A hung Open: the busy dialog, Stop, one message and no server; the next change of the file
// field opens the other workbook on a new server, which holds no workbook of the old one.
void hungOpen(ScenarioRun& run) {
  const std::string book = run.runFile("Book.xlsx");
  const std::string other = run.runFile("Other.xlsx");
  if (!run.start(books(run) + "hang Open 0\n", ServerKind::OutOfProcess)) {
    return;
  }
  run.rewriteSettings(books(run));  // the next server answers
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  run.expectNoMessageBox("choosing Eng");
  w.startSettingFileField(toWide(book));
  stopTheHungRequest(run, L"Opening \"Book.xlsx\"\u2026");
  run.expectMessageBox(L"Excel was stopped while opening \"Book.xlsx\"", "Stop");
  expectServers(run, 0, "after Stop");
  w.setFileField(toWide(other));
  expectList(run, kOtherList, "the next workbook is listed");
  run.expectNoMessageBox("the change after Stop");
  expectServers(run, 1, "after the next request");
  w.closeBox();
  run.expectExit("the close box");
  expectRequestsAndNoServer(
      run, join({startUp(),
                 endingIn(openWorkbook(book), "hanging"),
                 {"PROPERTYPUT DisplayAlerts(DISPID_PROPERTYPUT=VT_BOOL 0)",
                  "PROPERTYPUT Visible(DISPID_PROPERTYPUT=VT_BOOL 0)",
                  "METHOD|PROPERTYGET ActiveWorkbook", "METHOD|PROPERTYGET Workbooks",
                  "METHOD Open(Filename=VT_BSTR \"" + other + "\")"},
                 listing(1),
                 released()}));
}

// A hung PrintOut: the busy dialog, Stop, one message; Print again prints on a new server that
// has the workbook open again.
void hungPrintOut(ScenarioRun& run) {
  const std::string book = run.runFile("Book.xlsx");
  if (!run.start(books(run) + "hang PrintOut 0\n", ServerKind::OutOfProcess)) {
    return;
  }
  run.rewriteSettings(books(run));
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  w.setFileField(toWide(book));
  run.expectNoMessageBox("opening the workbook");
  w.postClick(w.printButton());
  stopTheHungRequest(run, L"Printing sheet 1, pages 1 to 1\u2026");
  run.expectMessageBox(L"Excel was stopped while printing sheet 1, pages 1 to 1.", "Stop");
  expectServers(run, 0, "after Stop");
  w.click(w.printButton());
  run.expectNoMessageBox("Print after Stop");
  w.postClick(w.closeButton());
  run.expectExit("Close");
  const Requests everySheet =
      join({sheetCount(), wholeSheet(1, 1, 1, kPrinter), wholeSheet(2, 1, 1, kPrinter)});
  expectRequestsAndNoServer(
      run, join({startUp(), openedAndListed(book, 2),
                 endingIn(join({sheetCount(), wholeSheet(1, 1, 1, kPrinter)}), "hanging"),
                 restored(false, book), everySheet, closeAndQuit(), released()}));
}

// The server killed between requests while "Preview" shows it: Print opens the workbook again on
// a new, visible server and prints, without a message.
void killedBetweenRequests(ScenarioRun& run) {
  const std::string book = run.runFile("Book.xlsx");
  if (!run.start(books(run), ServerKind::OutOfProcess)) {
    return;
  }
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  w.setFileField(toWide(book));
  w.click(w.previewBox());
  run.expectNoMessageBox("opening the workbook and checking Preview");
  killTheServer(run);
  w.click(w.printButton());
  run.expectNoMessageBox("Print after the server was killed");
  expectServers(run, 1, "after Print");
  w.postClick(w.closeButton());
  run.expectExit("Close");
  expectRequestsAndNoServer(run, join({startUp(),
                                       openedAndListed(book, 2),
                                       {"PROPERTYPUT Visible(DISPID_PROPERTYPUT=VT_BOOL -1)"},
                                       restored(true, book),
                                       sheetCount(),
                                       wholeSheet(1, 1, 1, kPrinter),
                                       wholeSheet(2, 1, 1, kPrinter),
                                       closeAndQuit(),
                                       released()}));
}

// The server dies while the list is built: one message; the next change of the file field lists
// the other workbook on a new server, which closes the old workbook first.
void killedDuringListing(ScenarioRun& run) {
  const std::string book = run.runFile("Book.xlsx");
  const std::string other = run.runFile("Other.xlsx");
  if (!run.start(books(run) + "die name 1\n", ServerKind::OutOfProcess)) {
    return;
  }
  run.rewriteSettings(books(run));
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  w.setFileField(toWide(book));
  run.expectMessageBox(L"Excel ended unexpectedly while reading the name of sheet 2.",
                       "the server's death");
  run.checks().check(serverProcesses().empty(), "the dead server is gone");
  w.setFileField(toWide(other));
  expectList(run, kOtherList, "the next change of the file field lists the workbook");
  run.expectNoMessageBox("the change after the death");
  w.closeBox();
  run.expectExit("the close box");
  Requests listedUntilTheDeath = listing(2);
  listedUntilTheDeath.resize(sheetCount().size() + 8 + 3);  // sheet 1 whole, sheet 2 to its name
  expectRequestsAndNoServer(
      run, join({startUp(), openWorkbook(book), endingIn(listedUntilTheDeath, "dying"),
                 restored(false, book), openedAndListed(other, 1), released()}));
}

// A server that answers "busy" for two seconds: the busy dialog is up while the open is retried,
// and goes by itself once the server takes it; no message.
void busyForAWhile(ScenarioRun& run) {
  const std::string book = run.runFile("Book.xlsx");
  if (!run.start(books(run) + "busy Open 8\n", ServerKind::OutOfProcess)) {
    return;
  }
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  w.startSettingFileField(toWide(book));
  HWND dialog = busyDialog(run, kDialogWithinMs);
  run.checks().check(dialog != nullptr && sentenceOf(dialog) == L"Opening \"Book.xlsx\"\u2026",
                     "the busy dialog is up while the server is busy");
  run.checks().check(waitFor([&] { return !IsWindow(dialog); }, 10000),
                     "the dialog goes once the server has taken the open");
  expectList(run,
             {L"File information", L"Sheet №1 - Sheets name: Alpha - Num pages: 2",
              L"Sheet №2 - Sheets name: Beta - Num pages: 3"},
             "the workbook is listed");
  run.expectNoMessageBox("the busy open");
  w.closeBox();
  run.expectExit("the close box");
  const Requests open = openWorkbook(book);
  expectRequestsAndNoServer(run, join({startUp(),
                                       {open[0], open[1], open[2]},
                                       Requests(8, open[3] + " -> busy"),
                                       {open[3]},
                                       listing(2),
                                       released()}));
}

// Quirevo killed while its server runs: the server goes with it.
void quirevoKilled(ScenarioRun& run) {
  if (!run.start(books(run), ServerKind::OutOfProcess)) {
    return;
  }
  run.window().setFileField(toWide(run.runFile("Book.xlsx")));
  run.expectNoMessageBox("opening the workbook");
  expectServers(run, 1, "before Quirevo is killed");
  run.program().kill();
  expectServers(run, 0, "after Quirevo was killed");
}

}  // namespace

const std::vector<NamedScenario>& supervisionScenarios() {
  static const std::vector<NamedScenario> all = {{"hung-open", hungOpen},
                                                 {"hung-printout", hungPrintOut},
                                                 {"killed-between-requests", killedBetweenRequests},
                                                 {"killed-during-listing", killedDuringListing},
                                                 {"busy-for-a-while", busyForAWhile},
                                                 {"quirevo-killed", quirevoKilled}};
  return all;
}

}  // namespace quirevo::testing
