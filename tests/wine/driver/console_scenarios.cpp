// quirevo.com run as a prompt or a script runs it: its output and exit status, and the requests
// the server received, which must be those the window sends for the same selection.
#include "tests/wine/driver/console_scenarios.h"

#include <shellapi.h>

#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/windows/process_list.h"
#include "platform/windows/wide_text.h"
#include "tests/win/window_access.h"
#include "tests/wine/driver/console_program_run.h"
#include "tests/wine/driver/scenario_helpers.h"
#include "tests/wine/driver/server_processes.h"
#include "tests/wine/server/class_factory.h"

namespace quirevo::testing {

namespace {

// What the driver was given (QUIREVO_EXE WORKING_DIR SERVER_DLL SCENARIO, scenario_driver.cpp):
// quirevo.com is built beside Quirevo.exe, the local server beside the DLL.
struct BuiltPrograms {
  std::wstring window;
  std::wstring console;
  std::wstring serverDll;
  std::wstring localServer;
};

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\'));
}

BuiltPrograms builtPrograms() {
  int count = 0;
  struct Freer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
  };
  const std::unique_ptr<LPWSTR[], Freer> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments || count != 5) {
    throw std::runtime_error("the console scenarios run on the build's programs");
  }
  const std::wstring dll = arguments[3];
  return {arguments[1], folderOf(arguments[1]) + L"\\quirevo.com", dll,
          dll.substr(0, dll.find_last_of(L'.')) + L".exe"};
}

// The server's settings and log where ScenarioRun::start puts them for the window, and the
// variable that tells the server where they are; the registration is the caller's.
void serve(ScenarioRun& run, const std::string& settings) {
  run.rewriteSettings(settings);
  DeleteFileW(toWide(run.runFile("requests.log")).c_str());
  SetEnvironmentVariableW(kSettingsVariable, toWide(run.runFile("server-settings.txt")).c_str());
}

std::wstring outputFiles(ScenarioRun& run) {
  return toWide(run.runFile("console"));
}

void expectNoServerLeft(ScenarioRun& run, const std::string& after) {
  const auto left = waitForServerProcesses(exactly(0), 10000);
  run.checks().check(left.has_value(), "no server process is left after " + after,
                     left ? "" : std::to_string(serverProcesses().size()) + " running");
}

// A check's detail on an exit status: what there was instead.
std::string exitDetail(const std::optional<DWORD>& status, DWORD expected) {
  return status == expected ? "" : status ? std::to_string(*status) : "still running";
}

// Text as a console program writes it to a file: UTF-8, each line ended by CR LF.
std::string written(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\r\n";
  }
  return text;
}

struct CommandCase {
  const char* name;
  std::vector<std::wstring> arguments;
  DWORD status;
  std::string output;
  std::string errors;
  Requests requests;
};

// Each command as a script runs it, against a new server: what it writes, its status and every
// request, call for call.
void commands(ScenarioRun& run) {
  const BuiltPrograms built = builtPrograms();
  const std::string book = run.runFile("Book.xlsx");
  const std::string report = run.runFile("Отчёт.xlsx");
  const std::string missing = run.runFile("Missing.xlsx");
  const std::string settings =
      workbook(run, "Book.xlsx", {{"North", 1}, {"Итоги", 3}, {"South", 2}}) +
      workbook(run, "Отчёт.xlsx", {{"Costs", 1}});
  const std::string notFound =
      "Sorry, we couldn't find " + missing + ". Is it possible it was moved, renamed or deleted?";
  const Requests missingOpened = {
      "METHOD|PROPERTYGET ActiveWorkbook", "METHOD Close", "METHOD|PROPERTYGET Workbooks",
      "METHOD Open(Filename=VT_BSTR \"" + missing + "\") -> exception \"" + notFound + "\""};
  // The failed open left no workbook to close.
  Requests reportOpened = openWorkbook(report);
  reportOpened.erase(reportOpened.begin() + 1);
  const std::vector<CommandCase> cases = {
      {"list, a missing workbook among others",
       {L"list", L"Book.xlsx", L"Missing.xlsx", L"Отчёт.xlsx"},
       1,
       written({"Book.xlsx", "  Sheet №1 - Sheets name: North - Num pages: 1",
                "  Sheet №2 - Sheets name: Итоги - Num pages: 3",
                "  Sheet №3 - Sheets name: South - Num pages: 2", "Отчёт.xlsx",
                "  Sheet №1 - Sheets name: Costs - Num pages: 1"}),
       written({"quirevo: Missing.xlsx: " + notFound}),
       join({startUp(), openWorkbook(book), listing(3), missingOpened, reportOpened, listing(1),
             closeAndQuit(), released()})},
      {"print --sheets odd --pages-per-sheet 1",
       {L"print", L"--sheets", L"odd", L"--pages-per-sheet", L"1", L"Book.xlsx"},
       0,
       written({"Book.xlsx: sheet 1 \"North\", page 1, 1 copy",
                "Book.xlsx: sheet 3 \"South\", page 1, 1 copy"}),
       "",
       join({startUp(), openWorkbook(book), listing(3), sheetCount(), wholeSheet(1, 1, 1, kPrinter),
             wholeSheet(3, 1, 1, kPrinter), closeAndQuit(), released()})},
      {"print --sheet 2 --pages even --copies 2",
       {L"print", L"--sheet", L"2", L"--pages", L"even", L"--copies", L"2", L"Book.xlsx"},
       0,
       written({"Book.xlsx: sheet 2 \"Итоги\", page 2, 2 copies"}),
       "",
       join({startUp(), openWorkbook(book), listing(3), pageCount(2),
             pageRange(2, 2, 2, 2, kPrinter), closeAndQuit(), released()})},
      {"a refused argument",
       {L"print", L"--sheets", L"0", L"Book.xlsx"},
       2,
       "",
       written({"quirevo: --sheets: \"0\" is not a number from 1 to 999",
                "Try 'quirevo --help' for more information."}),
       {}}};
  const ServerRegistration registration(built.localServer);
  for (const CommandCase& c : cases) {
    serve(run, settings);
    const ConsoleProgramRun console(built.console, c.arguments, toWide(run.runFile("")),
                                    outputFiles(run), CREATE_NO_WINDOW);
    const auto status = console.waitForExit();
    run.checks().check(status == c.status,
                       std::string(c.name) + ": exit status " + std::to_string(c.status),
                       exitDetail(status, c.status));
    const std::string output = console.output();
    const std::string errors = console.errors();
    run.checks().check(output == c.output, std::string(c.name) + ": standard output",
                       output == c.output ? "" : output);
    run.checks().check(errors == c.errors, std::string(c.name) + ": standard error",
                       errors == c.errors ? "" : errors);
    run.expectRequests(c.requests);
    expectNoServerLeft(run, c.name);
  }
}

// Ctrl+C reaches the processes of the console it is pressed in; the driver ignores its own.
BOOL WINAPI ignoreControl(DWORD) {
  return TRUE;
}

// A print hung in the server: the first Ctrl+C lets the page under way finish, the second stops
// it; the run says where it stopped, ends with 130 and leaves no server, which is asked nothing
// more.
void interrupted(ScenarioRun& run) {
  const BuiltPrograms built = builtPrograms();
  const std::string book = run.runFile("Book.xlsx");
  serve(run, workbook(run, "Book.xlsx", {{"Alpha", 2}, {"Beta", 3}}) + "hang PrintOut 0\n");
  const ServerRegistration registration(built.localServer);
  FreeConsole();
  run.checks().check(AllocConsole() != FALSE, "the driver has a console to press Ctrl+C in");
  SetConsoleCtrlHandler(ignoreControl, TRUE);
  constexpr UINT kOemCyrillic = 866;
  SetConsoleOutputCP(kOemCyrillic);
  const ConsoleProgramRun console(
      built.console, {L"print", L"--sheets", L"all", L"--pages-per-sheet", L"1", L"Book.xlsx"},
      toWide(run.runFile("")), outputFiles(run), 0);
  const std::wstring log = toWide(run.runFile("requests.log"));
  run.checks().check(
      waitFor([&] { return fileBytes(log).find("-> hanging") != std::string::npos; }, 30000),
      "the print hangs in the server");
  run.checks().check(GetConsoleOutputCP() == CP_UTF8, "the console shows UTF-8 during the run");
  run.checks().check(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0) != FALSE, "Ctrl+C is pressed");
  run.checks().check(!console.waitForExit(2000), "the first Ctrl+C lets the page finish");
  GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
  const auto status = console.waitForExit(20000);
  run.checks().check(status == 130u, "the second Ctrl+C ends the run with exit status 130",
                     exitDetail(status, 130));
  const std::string errors = console.errors();
  const std::string said = written({"quirevo: interrupted while printing Book.xlsx (file 1 of 1)"});
  run.checks().check(errors == said, "standard error says where the run stopped",
                     errors == said ? "" : errors);
  run.checks().check(console.output().empty(), "no page is reported printed", console.output());
  run.checks().check(GetConsoleOutputCP() == kOemCyrillic,
                     "the console's own code page comes back after the run");
  expectNoServerLeft(run, "Ctrl+C");
  Requests printing = join({sheetCount(), wholeSheet(1, 1, 1, kPrinter)});
  printing.back() += " -> hanging";
  run.expectRequests(join({startUp(), openWorkbook(book), listing(2), printing}));
}

// The window programs quirevo.com started end with the scenario, also one whose window never
// showed.
struct EndsWindowPrograms {
  ~EndsWindowPrograms() {
    for (const DWORD id : processesRunning(L"Quirevo.exe")) {
      endProcess(id);
    }
  }
};

// "quirevo Sales Q1.xlsx" typed at a prompt in a folder of workbooks starts the window of an
// installed Quirevo, in its own folder with its language files, naming the workbook by its full
// path, and returns at once.
void opensTheWindow(ScenarioRun& run) {
  const BuiltPrograms built = builtPrograms();
  const std::wstring installed = toWide(run.runFile("Quirevo Installed"));
  const std::wstring books = toWide(run.runFile("My Books"));
  CreateDirectoryW(installed.c_str(), nullptr);
  CreateDirectoryW(books.c_str(), nullptr);
  bool copied = CopyFileW(built.window.c_str(), (installed + L"\\Quirevo.exe").c_str(), FALSE) &&
                CopyFileW(built.console.c_str(), (installed + L"\\quirevo.com").c_str(), FALSE);
  for (const wchar_t* language : {L"lang_en.xml", L"lang_ru.xml", L"lang_ua.xml"}) {
    copied = copied && CopyFileW(toWide(run.runFile(toUtf8(language))).c_str(),
                                 (installed + L"\\" + language).c_str(), FALSE);
  }
  run.checks().check(copied, "Quirevo is installed in a folder of its own");
  const std::string book = toUtf8(books) + "\\Sales Q1.xlsx";
  serve(run, workbookAt(book, {{"North", 2}, {"South", 1}}));
  const ServerRegistration registration(built.serverDll);
  const ConsoleProgramRun console(installed + L"\\quirevo.com", {L"Sales Q1.xlsx"}, books,
                                  outputFiles(run), CREATE_NO_WINDOW);
  const auto status = console.waitForExit(10000);
  run.checks().check(status == 0u, "quirevo.com returns 0 without waiting for the window",
                     exitDetail(status, 0));
  run.checks().check(console.output().empty() && console.errors().empty(),
                     "quirevo.com writes nothing", console.output() + console.errors());
  const EndsWindowPrograms ends;
  std::unique_ptr<QuirevoWindow> window;
  waitFor([&] {
    for (const DWORD id : processesRunning(L"Quirevo.exe")) {
      if (HWND main = topLevel(id, L"QuirevoForm", L"Quirevo v1.1")) {
        window = std::make_unique<QuirevoWindow>(main, id);
      }
    }
    return window != nullptr;
  });
  run.checks().check(window != nullptr, "the window titled Quirevo v1.1 appears");
  if (window == nullptr) {
    return;
  }
  QuirevoWindow& w = *window;
  w.settle();
  const std::vector<std::wstring> list = {L"File information",
                                          L"Sheet №1 - Sheets name: North - Num pages: 2",
                                          L"Sheet №2 - Sheets name: South - Num pages: 1"};
  waitFor([&] { return w.listLines().size() >= list.size(); }, 10000);
  run.checks().check(w.listLines() == list,
                     "the window lists the workbook in English, its language file found",
                     std::to_string(w.listLines().size()) + " lines");
  run.checks().check(textOf(w.fileField()) == toWide(book),
                     "the file field names the workbook by its full path",
                     toUtf8(textOf(w.fileField())));
  w.closeBox();
  run.checks().check(waitFor([] { return processesRunning(L"Quirevo.exe").empty(); }),
                     "the close box ends the window");
  run.expectRequests(join({startUp(), openWorkbook(book), listing(2), released()}));
}

// The subsystem in a program's headers decides whether Windows gives it a console: Quirevo.exe
// started from its shortcut must open none, quirevo.com must write to the prompt's.
std::optional<WORD> subsystemOf(const std::wstring& program) {
  const std::string bytes = fileBytes(program);
  IMAGE_DOS_HEADER dos{};
  if (bytes.size() < sizeof dos) {
    return std::nullopt;
  }
  std::memcpy(&dos, bytes.data(), sizeof dos);
  IMAGE_NT_HEADERS64 nt{};
  const auto at = static_cast<std::size_t>(dos.e_lfanew);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0 || bytes.size() < at + sizeof nt) {
    return std::nullopt;
  }
  std::memcpy(&nt, bytes.data() + at, sizeof nt);
  if (nt.Signature != IMAGE_NT_SIGNATURE ||
      nt.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    return std::nullopt;
  }
  return nt.OptionalHeader.Subsystem;
}

void subsystems(ScenarioRun& run) {
  const BuiltPrograms built = builtPrograms();
  const auto window = subsystemOf(built.window);
  const auto console = subsystemOf(built.console);
  run.checks().check(window == IMAGE_SUBSYSTEM_WINDOWS_GUI,
                     "Quirevo.exe is a GUI program: it opens no console",
                     window ? std::to_string(*window) : "no PE headers");
  run.checks().check(console == IMAGE_SUBSYSTEM_WINDOWS_CUI,
                     "quirevo.com is a console program in PE format",
                     console ? std::to_string(*console) : "no PE headers");
}

}  // namespace

const std::vector<NamedScenario>& consoleScenarios() {
  static const std::vector<NamedScenario> all = {{"console-subsystems", subsystems},
                                                 {"console-commands", commands},
                                                 {"console-interrupted", interrupted},
                                                 {"console-opens-window", opensTheWindow}};
  return all;
}

}  // namespace quirevo::testing
