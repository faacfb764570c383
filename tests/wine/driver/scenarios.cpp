#include "tests/wine/driver/scenarios.h"

#include <knownfolders.h>

#include "platform/windows/known_folder.h"
#include "platform/windows/wide_text.h"
#include "tests/wine/driver/console_scenarios.h"
#include "tests/wine/driver/scenario_helpers.h"
#include "tests/wine/driver/server_processes.h"
#include "tests/wine/driver/start_scenarios.h"
#include "tests/wine/driver/supervision_scenarios.h"

namespace quirevo::testing {

namespace {

// The user's Documents folder, as the shell names it.
std::wstring documentsFolder() {
  return knownFolderPath(FOLDERID_Documents);
}

// "..." picks a workbook of three sheets, "Print sheets from" 2 to 3 with two copies, Close. Out
// of process the program talks to the server's own process, which ends with the program.
void typicalRun(ScenarioRun& run, ServerKind kind) {
  run.createFile("Quarter.xlsx");
  if (!run.start(workbook(run, "Quarter.xlsx", {{"Summary", 2}, {"Totals", 3}, {"Notes", 1}}),
                 kind)) {
    return;
  }
  if (kind == ServerKind::OutOfProcess) {
    run.checks().check(waitForServerProcesses(exactly(1), 10000).has_value(),
                       "the server runs in a process of its own");
  }
  QuirevoWindow& w = run.window();
  run.checks().check(textOf(w.printerPanel()) == toWide(kPrinter),
                     "the printer panel shows the default printer");
  w.chooseLanguage(0);
  run.expectNoMessageBox("choosing Eng");
  run.checks().check(w.pickFile(toWide(run.runFile("Quarter.xlsx"))),
                     "the file dialog takes the workbook");
  expectList(run,
             {L"File information", L"Sheet №1 - Sheets name: Summary - Num pages: 2",
              L"Sheet №2 - Sheets name: Totals - Num pages: 3",
              L"Sheet №3 - Sheets name: Notes - Num pages: 1"},
             "the list shows the heading and one line per sheet");
  run.checks().check(textOf(w.fileField()) == toWide(run.runFile("Quarter.xlsx")),
                     "the chosen file's full path fills the file field");
  w.click(w.radioButton(5));
  w.typeInto(w.spinEdit(3), L"2");
  w.typeInto(w.spinEdit(2), L"3");
  w.typeInto(w.spinEdit(5), L"2");
  w.click(w.printButton());
  run.expectNoMessageBox("Print");
  w.postClick(w.closeButton());
  run.expectExit("Close");
  run.expectRequests(join({startUp(), openWorkbook(run.runFile("Quarter.xlsx")), listing(3),
                           wholeSheet(2, 1, 2, kPrinter), wholeSheet(3, 1, 2, kPrinter),
                           closeAndQuit(), released()}));
  if (kind == ServerKind::OutOfProcess) {
    const auto left = waitForServerProcesses(exactly(0), 10000);
    run.checks().check(left.has_value(), "the server's process ends once it is released",
                       left ? "" : std::to_string(serverProcesses().size()) + " still running");
  }
}

// One press per choice of a mode group: the radio button, the spin edits it reads, and what the
// press must send.
struct Press {
  const char* name;
  int radioButton;
  std::vector<std::pair<int, std::wstring>> spinEdits;
  Requests requests;
};

void pressEach(ScenarioRun& run, const std::vector<Press>& presses, Requests& expected) {
  QuirevoWindow& w = run.window();
  for (const Press& press : presses) {
    w.click(w.radioButton(press.radioButton));
    for (const auto& [number, text] : press.spinEdits) {
      w.typeInto(w.spinEdit(number), text);
    }
    w.click(w.printButton());
    run.expectNoMessageBox(std::string("printing ") + press.name);
    expected.insert(expected.end(), press.requests.begin(), press.requests.end());
  }
}

// Every choice of sheet mode, with pages per sheet 2 and three copies; the close box ends it.
void printSheets(ScenarioRun& run) {
  const std::string book = run.runFile("Five.xlsx");
  if (!run.start(workbook(run, "Five.xlsx", {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}}))) {
    return;
  }
  run.window().setFileField(toWide(book));
  run.expectNoMessageBox("opening the workbook");
  Requests expected = join({startUp(), openWorkbook(book)});
  auto sheets = [](std::vector<int> numbers) {
    Requests requests;
    for (int sheet : numbers) {
      const Requests one = wholeSheet(sheet, 2, 3, kPrinter);
      requests.insert(requests.end(), one.begin(), one.end());
    }
    return requests;
  };
  pressEach(
      run,
      {{"all sheets", 3, {{4, L"2"}, {5, L"3"}}, join({sheetCount(), sheets({1, 2, 3, 4, 5})})},
       {"one sheet", 4, {{1, L"4"}}, sheets({4})},
       {"sheets from 2 to 3", 5, {{3, L"2"}, {2, L"3"}}, sheets({2, 3})},
       {"even sheets", 6, {}, join({sheetCount(), sheets({2, 4})})},
       {"odd sheets", 7, {}, join({sheetCount(), sheets({1, 3, 5})})}},
      expected);
  run.window().closeBox();
  run.expectExit("the close box");
  run.expectRequests(join({expected, released()}));
}

// Every choice of page mode on sheet 2 of five pages, with two copies; Close ends it.
void printPages(ScenarioRun& run) {
  const std::string book = run.runFile("Pages.xlsx");
  if (!run.start(workbook(run, "Pages.xlsx", {{"Cover", 1}, {"Body", 5}}))) {
    return;
  }
  QuirevoWindow& w = run.window();
  w.setFileField(toWide(book));
  w.click(w.radioButton(2));
  run.checks().check(IsWindowVisible(w.pageGroup()) && !IsWindowVisible(w.sheetGroup()),
                     "Printing pages shows the page group");
  w.typeInto(w.spinEdit(6), L"2");
  w.typeInto(w.spinEdit(10), L"2");
  Requests expected = join({startUp(), openWorkbook(book)});
  auto single = [](std::vector<int> pages) {
    Requests requests;
    for (int page : pages) {
      const Requests one = pageRange(2, page, page, 2, kPrinter);
      requests.insert(requests.end(), one.begin(), one.end());
    }
    return requests;
  };
  pressEach(run,
            {{"all pages", 8, {}, join({pageCount(2), pageRange(2, 1, 5, 2, kPrinter)})},
             {"one page", 9, {{7, L"3"}}, pageRange(2, 3, 3, 2, kPrinter)},
             {"pages from 4 to 2", 10, {{8, L"4"}, {9, L"2"}}, pageRange(2, 4, 2, 2, kPrinter)},
             {"even pages", 11, {}, join({pageCount(2), single({2, 4})})},
             {"odd pages", 12, {}, join({pageCount(2), single({1, 3, 5})})}},
            expected);
  w.postClick(w.closeButton());
  run.expectExit("Close");
  run.expectRequests(join({expected, closeAndQuit(), released()}));
}

// A print the server refuses halfway, then a workbook that cannot be found: both reported, the
// list keeps the last workbook's lines.
void failures(ScenarioRun& run) {
  const std::string book = run.runFile("Two.xlsx");
  const std::string missing = run.runFile("Missing.xlsx");
  if (!run.start(workbook(run, "Two.xlsx", {{"First", 1}, {"Second", 4}}) +
                 "fail PrintOut 1 1 The printer is out of paper.\n")) {
    return;
  }
  QuirevoWindow& w = run.window();
  w.chooseLanguage(0);
  w.setFileField(toWide(book));
  const std::vector<std::wstring> list = {L"File information",
                                          L"Sheet №1 - Sheets name: First - Num pages: 1",
                                          L"Sheet №2 - Sheets name: Second - Num pages: 4"};
  expectList(run, list, "the list shows the workbook");
  w.postClick(w.printButton());
  run.expectMessageBox(L"The printer is out of paper.", "the refused second request is reported");
  w.setFileField(toWide(missing));
  run.expectMessageBox(L"Sorry, we couldn't find " + toWide(missing) +
                           L". Is it possible it was moved, renamed or deleted?.",
                       "the failed open is reported");
  expectList(run, list, "the list still shows the closed workbook's lines");
  run.checks().check(IsWindowEnabled(w.printButton()) != FALSE, "Print stays enabled");
  w.closeBox();
  run.expectExit("the close box");
  run.expectRequests(join(
      {startUp(),
       openWorkbook(book),
       listing(2),
       sheetCount(),
       wholeSheet(1, 1, 1, kPrinter),
       {"METHOD|PROPERTYGET Sheets", "PROPERTYGET Item(VT_BYREF|VT_I4 2)",
        wholeSheet(2, 1, 1, kPrinter).back() + " -> exception \"The printer is out of paper\""},
       {"METHOD|PROPERTYGET ActiveWorkbook", "METHOD Close", "METHOD|PROPERTYGET Workbooks",
        "METHOD Open(Filename=VT_BSTR \"" + missing +
            "\") -> exception \"Sorry, we couldn't find " + missing +
            ". Is it possible it was moved, renamed or deleted?\""},
       released()}));
}

// Every translated caption as the language file holds it; the window caption and "..." stay.
void expectCaptions(ScenarioRun& run, const std::string& file, const std::string& language) {
  QuirevoWindow& w = run.window();
  const std::vector<std::pair<std::string, HWND>> captions = {
      {"l1", w.printerLabel()},    {"cb1", w.previewBox()},     {"gb1", w.sheetGroup()},
      {"gb2", w.pageGroup()},      {"rb1", w.radioButton(1)},   {"rb2", w.radioButton(2)},
      {"rb3", w.radioButton(3)},   {"rb4", w.radioButton(4)},   {"rb5", w.radioButton(5)},
      {"rb6", w.radioButton(6)},   {"rb7", w.radioButton(7)},   {"rb8", w.radioButton(8)},
      {"rb9", w.radioButton(9)},   {"rb10", w.radioButton(10)}, {"rb11", w.radioButton(11)},
      {"rb12", w.radioButton(12)}, {"b1", w.printButton()},     {"b2", w.closeButton()}};
  std::string wrong;
  for (const auto& [key, control] : captions) {
    const std::wstring expected = run.captionInFile(file, key);
    if (control == nullptr || textOf(control) != expected) {
      wrong += key + "=" + (control ? toUtf8(textOf(control)) : "(no control)") + " ";
    }
  }
  run.checks().check(wrong.empty(), language + " captions read back as " + file + " holds them",
                     wrong);
  run.checks().check(textOf(w.main()) == L"Quirevo v1.1" && textOf(w.fileChooser()) == L"...",
                     "the window caption and \"...\" are not translated");
}

// Рус and Укр switch the captions as their files give them; the list takes the language that is
// chosen when it is built.
void languages(ScenarioRun& run) {
  const std::string first = run.runFile("First.xlsx");
  const std::string second = run.runFile("Second.xlsx");
  if (!run.start(workbook(run, "First.xlsx", {{"Sales", 2}}) +
                 workbook(run, "Second.xlsx", {{"Costs", 3}}))) {
    return;
  }
  QuirevoWindow& w = run.window();
  w.chooseLanguage(1);
  run.expectNoMessageBox("choosing Рус");
  expectCaptions(run, "lang_ru.xml", "Russian");
  w.setFileField(toWide(first));
  expectList(run, {L"Информация о файле", L"Лист №1 - Имя листа: Sales - Кол-во стр.: 2"},
             "the list is built in Russian");
  w.chooseLanguage(2);
  run.expectNoMessageBox("choosing Укр");
  expectCaptions(run, "lang_ua.xml", "Ukrainian");
  run.checks().check(w.listLines().size() == 2 && w.listLines()[0] == L"Информация о файле",
                     "switching the language leaves the list as it was built");
  w.setFileField(toWide(second));
  expectList(run, {L"Інформація про файл", L"Аркуш №1 - Имя аркуша: Costs - Кіл-сть стр.: 3"},
             "the list is built in Ukrainian");
  w.closeBox();
  run.expectExit("the close box");
  run.expectRequests(join(
      {startUp(), openWorkbook(first), listing(1), openWorkbook(second), listing(1), released()}));
}

// "..." chooses a workbook in another folder before any language is picked. Only its name is
// typed, so the dialog's own folder completes the path: it started in the Documents folder. No
// file is made there (Wine's Documents may be the user's home): the dialog takes a name it does
// not find, and the server serves the workbook. The choice leaves the working folder where the
// program was started, so Рус and Укр still find their language files.
void workbookElsewhere(ScenarioRun& run) {
  const std::wstring documents = documentsFolder();
  run.checks().check(!documents.empty(), "the prefix has a Documents folder");
  const std::string book = toUtf8(documents) + "\\Elsewhere.xlsx";
  if (!run.start(workbookAt(book, {{"Away", 2}}))) {
    return;
  }
  QuirevoWindow& w = run.window();
  run.checks().check(w.pickFile(L"Elsewhere.xlsx"), "the file dialog takes the workbook's name");
  run.checks().check(textOf(w.fileField()) == toWide(book),
                     "the dialog started in the Documents folder",
                     "file field: " + toUtf8(textOf(w.fileField())));
  run.expectNoMessageBox("opening the workbook");
  w.chooseLanguage(1);
  run.expectNoMessageBox("choosing Рус after the choice");
  expectCaptions(run, "lang_ru.xml", "Russian");
  w.chooseLanguage(2);
  run.expectNoMessageBox("choosing Укр after the choice");
  expectCaptions(run, "lang_ua.xml", "Ukrainian");
  w.closeBox();
  run.expectExit("the close box");
  // No language picked yet: the workbook is opened, and no list is built.
  run.expectRequests(join({startUp(), openWorkbook(book), released()}));
}

// The close box ends the program without closing the workbook or asking the server to quit;
// the program still releases its reference.
void closeBox(ScenarioRun& run) {
  if (!run.start("")) {
    return;
  }
  run.expectNoMessageBox("start-up");
  run.window().closeBox();
  run.expectExit("the close box");
  run.expectRequests(join({startUp(), released()}));
}

// The server rejects calls as busy for a moment, at start-up and at the open; the program waits
// and sends each again until it is taken, and no failure is shown.
void busyServer(ScenarioRun& run) {
  const std::string book = run.runFile("Busy.xlsx");
  if (!run.start(workbook(run, "Busy.xlsx", {{"Only", 1}}) +
                 "busy DisplayAlerts 2\nbusy Open 3\n")) {
    return;
  }
  QuirevoWindow& w = run.window();
  run.expectNoMessageBox("start-up with a busy server");
  w.chooseLanguage(0);
  w.setFileField(toWide(book));
  expectList(run, {L"File information", L"Sheet №1 - Sheets name: Only - Num pages: 1"},
             "the list shows the workbook the busy server opened");
  run.expectNoMessageBox("opening on a busy server");
  w.postClick(w.closeButton());
  run.expectExit("Close");
  const Requests start = startUp();
  const Requests open = openWorkbook(book);
  run.expectRequests(join({{start[0] + " -> busy", start[0] + " -> busy"},
                           start,
                           {open[0], open[1], open[2]},
                           {open[3] + " -> busy", open[3] + " -> busy", open[3] + " -> busy"},
                           {open[3]},
                           listing(1),
                           closeAndQuit(),
                           released()}));
}

// Every scenario, in the order the Wine check runs them.
std::vector<NamedScenario> listed() {
  std::vector<NamedScenario> all = {
      {"typical-run", [](ScenarioRun& run) { typicalRun(run, ServerKind::InProcess); }},
      {"print-sheets", printSheets},
      {"print-pages", printPages},
      {"failures", failures},
      {"languages", languages},
      {"close-box", closeBox},
      {"busy-server", busyServer},
      {"workbook-elsewhere", workbookElsewhere},
      {"out-of-process", [](ScenarioRun& run) { typicalRun(run, ServerKind::OutOfProcess); }}};
  const auto& started = startScenarios();
  all.insert(all.end(), started.begin(), started.end());
  const auto& supervised = supervisionScenarios();
  all.insert(all.end(), supervised.begin(), supervised.end());
  all.insert(all.end(), consoleScenarios().begin(), consoleScenarios().end());
  return all;
}

const std::vector<NamedScenario>& scenarios() {
  static const std::vector<NamedScenario> all = listed();
  return all;
}

}  // namespace

std::vector<std::string> scenarioNames() {
  std::vector<std::string> names;
  for (const auto& [name, scenario] : scenarios()) {
    names.push_back(name);
  }
  return names;
}

bool runScenario(const std::string& name, ScenarioRun& run) {
  for (const auto& [known, scenario] : scenarios()) {
    if (known == name) {
      scenario(run);
      return true;
    }
  }
  return false;
}

}  // namespace quirevo::testing
