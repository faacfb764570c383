// Operates Quirevo.exe as a user would, through window messages and keyboard input, and checks
// what the window shows. Run under Wine by scripts/windows-wine-check; prints one line per check
// and a closing "N passed, M failed" line; exits non-zero on any failure.
//
//   quirevo_window_driver QUIREVO_EXE WORKING_DIR [--printer NAME] [--start-error TEXT]
//                         [--russian L1 B2] [--handshake READY_FILE DONE_FILE]
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/unique_handle.h"
#include "platform/windows/wide_text.h"
#include "tests/win/window_access.h"

namespace {

using quirevo::toUtf8;
using quirevo::toWide;
using namespace quirevo::testing;

int passed = 0;
int failed = 0;

void check(bool condition, const std::string& what, const std::string& detail = {}) {
  (condition ? passed : failed)++;
  std::printf("%s %s%s%s\n", condition ? "ok  " : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
              detail.c_str());
  std::fflush(stdout);
}

// The message box the program shows, its text, and OK pressed on it.
std::optional<std::wstring> acceptMessageBox(DWORD process, DWORD timeoutMs = 20000) {
  const auto box = quirevo::testing::acceptMessageBox(process, L"Quirevo", timeoutMs);
  return box ? std::optional<std::wstring>(box->text) : std::nullopt;
}

// Drops the file onto the window of the process as the system does: a DROPFILES block in the
// program's own memory, posted in WM_DROPFILES. Memory of the driver's would mean nothing there,
// as no system carries the handle across processes. A block that is no global-memory handle is
// fixed memory to GlobalLock, so DragQueryFileW reads it; the program's DragFinish cannot free
// it from the heap and leaves that page behind.
bool dropFile(DWORD process, HWND window, const std::wstring& path) {
  const quirevo::UniqueHandle program(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process));
  std::vector<char> block(sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t));  // two nulls
  auto* files = reinterpret_cast<DROPFILES*>(block.data());
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(block.data() + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
  void* remote = program ? VirtualAllocEx(program.get(), nullptr, block.size(),
                                          MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                         : nullptr;
  return remote != nullptr &&
         WriteProcessMemory(program.get(), remote, block.data(), block.size(), nullptr) &&
         PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

// How a focused control is named in the expected tab order.
std::wstring describeFocus(HWND main, HWND focus) {
  if (focus == nullptr) {
    return L"(none)";
  }
  HWND parent = GetParent(focus);
  if (classOf(parent) == L"ComboBox") {
    return L"ComboBox";
  }
  const std::wstring windowClass = classOf(focus);
  if (windowClass == L"Edit") {
    const RECT at = clientRect(focus);
    return (parent == main ? L"Edit@" : L"GroupEdit@") + std::to_wstring(at.left) + L"," +
           std::to_wstring(at.top);
  }
  return windowClass + L":" + textOf(focus);
}

struct Options {
  std::wstring executable;
  std::wstring workingDirectory;
  std::wstring printer = L"Quirevo Test Printer";
  std::wstring startError = L"Invalid class string.";
  std::optional<std::pair<std::wstring, std::wstring>> russian;
  std::optional<std::pair<std::wstring, std::wstring>> handshake;
};

void checkWindow(HWND main, DWORD process, DWORD thread, const Options& options) {
  RECT outer;
  GetWindowRect(main, &outer);
  check(outer.left == 218 && outer.top == 41 && outer.right - outer.left == 670 &&
            outer.bottom - outer.top == 515,
        "the window opens at 218, 41 with outer size 670 x 515",
        std::to_string(outer.left) + "," + std::to_string(outer.top) + " " +
            std::to_string(outer.right - outer.left) + "x" +
            std::to_string(outer.bottom - outer.top));

  HWND panel = nullptr;
  for (HWND window : descendants(main)) {
    if (classOf(window) == L"QuirevoPanel") {
      panel = window;
    }
  }
  check(panel != nullptr && textOf(panel) == options.printer,
        "the printer panel shows the default printer", panel ? toUtf8(textOf(panel)) : "no panel");

  HWND label1 = control(main, L"Static", L"Printer");
  check(label1 != nullptr && clientRect(label1).right == 81,
        "Label1 keeps its right edge at 81 after fitting its caption");

  HWND combo = nullptr;
  for (HWND window : descendants(main)) {
    if (classOf(window) == L"ComboBox") {
      combo = window;
    }
  }
  check(combo != nullptr && textOf(combo) == L"Eng" &&
            SendMessageW(combo, CB_GETCURSEL, 0, 0) == CB_ERR &&
            SendMessageW(combo, CB_GETCOUNT, 0, 0) == 3,
        "the language box shows Eng with no item selected");

  HWND sheets = control(main, L"Button", L"Printing sheets", BS_GROUPBOX);
  HWND pages = control(main, L"Button", L"Printing pages", BS_GROUPBOX);
  HWND pageMode = control(main, L"Button", L"Printing pages", BS_RADIOBUTTON);
  HWND sheetMode = control(main, L"Button", L"Printing sheets", BS_RADIOBUTTON);
  HWND close = control(main, L"Button", L"Close", BS_OWNERDRAW);
  check(sheets && pages && pageMode && sheetMode && close, "every control is found by its caption");
  if (!(sheets && pages && pageMode && sheetMode && close && combo)) {
    return;
  }
  check(IsWindowVisible(sheets) && !IsWindowVisible(pages), "sheet mode at start");
  check(GetParent(control(main, L"Button", L"Print all pages", BS_RADIOBUTTON)) == pages,
        "a group box is the real parent of its controls");

  SendMessageW(pageMode, BM_CLICK, 0, 0);
  check(waitFor([&] { return IsWindowVisible(pages) && !IsWindowVisible(sheets); }),
        "choosing Printing pages shows the page group");
  check(SendMessageW(pageMode, BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(sheetMode, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "the mode radio buttons are exclusive");
  SendMessageW(sheetMode, BM_CLICK, 0, 0);
  check(waitFor([&] { return IsWindowVisible(sheets) && !IsWindowVisible(pages); }),
        "choosing Printing sheets shows the sheet group again");

  // With no spreadsheet session, Close fails at its first step and the window stays.
  PostMessageW(close, BM_CLICK, 0, 0);
  const auto closeError = acceptMessageBox(process);
  check(closeError == L"Invalid variant operation.",
        "Close without a session reports Invalid variant operation",
        closeError ? toUtf8(*closeError) : "no message box");
  check(IsWindow(main) && IsWindowVisible(main), "the window stays open after the failure");

  if (options.russian) {
    const int id = GetDlgCtrlID(combo);
    auto choose = [&](int item) {
      SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
      PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    };
    choose(1);
    HWND printerLabel = label1;
    const bool switched =
        waitFor([&] { return textOf(printerLabel) == options.russian->first; }, 10000);
    const auto failure = switched ? std::nullopt : acceptMessageBox(process, 1000);
    check(switched && textOf(close) == options.russian->second,
          "Рус reads lang_ru.xml and switches the captions",
          failure ? "message: " + toUtf8(*failure) : toUtf8(textOf(printerLabel)));
    if (switched) {
      check(clientRect(printerLabel).right == 81, "the switched Label1 keeps its right edge");
      check(textOf(main) == L"Quirevo v1.1" && textOf(combo) == L"Рус",
            "the window caption and the language box are not translated");
      choose(0);
      check(waitFor([&] { return textOf(printerLabel) == L"Printer" && textOf(close) == L"Close"; },
                    10000),
            "Eng switches the captions back to English");
    }
  }

  // "..." opens the file dialog with the Excel filter; the chosen file's full path fills Edit1,
  // whose change handler then fails on the empty session.
  HWND chooser = control(main, L"Button", L"...", BS_PUSHBUTTON);
  HWND fileField = nullptr;
  for (HWND window : descendants(main)) {
    if (classOf(window) == L"Edit" && GetParent(window) == main) {
      fileField = window;
    }
  }
  if (chooser != nullptr && fileField != nullptr) {
    PostMessageW(chooser, BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    const bool opened =
        waitFor([&] { return (dialog = topLevel(process, L"#32770", L"Open")) != nullptr; });
    check(opened, "... opens the file dialog");
    if (opened) {
      constexpr int kFileTypes = 0x470;      // cmb1
      constexpr int kFileNameCombo = 0x47C;  // cmb13
      constexpr int kFileNameEdit = 0x480;   // edt1
      check(textOf(GetDlgItem(dialog, kFileTypes)).find(L"Excel") == 0,
            "the dialog offers the Excel filter", toUtf8(textOf(GetDlgItem(dialog, kFileTypes))));
      const std::wstring chosen = options.workingDirectory + L"\\Book.xlsx";
      HWND name = GetDlgItem(dialog, kFileNameCombo) ? GetDlgItem(dialog, kFileNameCombo)
                                                     : GetDlgItem(dialog, kFileNameEdit);
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      const auto loadError = acceptMessageBox(process);
      check(loadError == L"Invalid variant operation.",
            "the changed file field reports the empty session",
            loadError ? toUtf8(*loadError) : "no message box");
      check(textOf(fileField) == chosen, "the chosen file's full path fills the file field",
            toUtf8(textOf(fileField)));
    }
  }

  // A file dropped onto the window names it in the file field, whose change handler then fails on
  // the empty session as well.
  if (fileField != nullptr) {
    const std::wstring dropped = options.workingDirectory + L"\\Dropped.xlsx";
    check(dropFile(process, main, dropped), "a drop is posted to the window");
    const auto dropError = acceptMessageBox(process);
    check(dropError == L"Invalid variant operation.",
          "the dropped file's change handler reports the empty session",
          dropError ? toUtf8(*dropError) : "no message box");
    check(textOf(fileField) == dropped, "a file dropped onto the window fills the file field",
          toUtf8(textOf(fileField)));
  }

  // Keyboard: the tab order of the layout, arrows within a radio group, the spin edit filter.
  SetForegroundWindow(main);
  check(waitFor([&] { return GetForegroundWindow() == main; }, 5000),
        "the window comes to the foreground");
  HWND start = nullptr;
  waitFor([&] { return (start = focusOf(thread)) != nullptr; }, 5000);
  // One round of the tab order, from wherever the focus is now.
  const std::vector<std::wstring> cycle = {L"ComboBox",
                                           L"Button:Preview",
                                           L"Edit@88,64",
                                           L"Button:Printing sheets",
                                           L"Button:Print all sheets of the book",
                                           L"GroupEdit@184,50",
                                           L"GroupEdit@232,82",
                                           L"GroupEdit@136,82",
                                           L"GroupEdit@392,78",
                                           L"GroupEdit@392,152",
                                           L"Button:Print",
                                           L"Button:Close",
                                           L"ListBox:"};
  std::vector<std::wstring> seen = {describeFocus(main, start)};
  for (std::size_t i = 0; i < cycle.size(); ++i) {
    press(VK_TAB);
    seen.push_back(describeFocus(main, focusOf(thread)));
  }
  const auto first = std::find(cycle.begin(), cycle.end(), seen.front());
  std::vector<std::wstring> expected;
  for (std::size_t i = 0; first != cycle.end() && i < seen.size(); ++i) {
    expected.push_back(cycle[(static_cast<std::size_t>(first - cycle.begin()) + i) % cycle.size()]);
  }
  std::string order;
  for (const std::wstring& step : seen) {
    order += toUtf8(step) + " | ";
  }
  check(seen == expected, "Tab follows the layout's tab order", order);

  // Back to the first radio button of the sheet group, then Down moves and checks.
  HWND allSheets = control(main, L"Button", L"Print all sheets of the book", BS_RADIOBUTTON);
  HWND oneSheet = control(main, L"Button", L"Print one sheet of the book", BS_RADIOBUTTON);
  for (int i = 0; i < 10 && focusOf(thread) != allSheets; ++i) {
    press(VK_TAB);
  }
  press(VK_DOWN);
  check(focusOf(thread) == oneSheet && SendMessageW(oneSheet, BM_GETCHECK, 0, 0) == BST_CHECKED &&
            SendMessageW(allSheets, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
        "Down within the radio group moves the focus and checks the button");
  press(VK_UP);
  check(SendMessageW(allSheets, BM_GETCHECK, 0, 0) == BST_CHECKED, "Up checks the first again");

  press(VK_TAB);  // SpinEdit1
  HWND spin = focusOf(thread);
  SendMessageW(spin, EM_SETSEL, 0, -1);
  type(L"0");
  press(VK_TAB);
  check(textOf(spin) == L"1", "a spin edit left at 0 shows 1", toUtf8(textOf(spin)));
  press(VK_TAB, false);
  HWND next = focusOf(thread);
  SendMessageW(next, EM_SETSEL, 0, -1);
  type(L"1000x");
  check(textOf(next) == L"100", "a spin edit takes three digits and refuses letters",
        toUtf8(textOf(next)));
  press(VK_UP);
  check(textOf(next) == L"101", "the Up key steps the spin edit", toUtf8(textOf(next)));
  SendMessageW(next, EM_SETSEL, 0, -1);
  type(L"1");

  if (options.handshake) {
    // The screenshot is taken outside, while the window shows its start-up state.
    HANDLE ready = CreateFileW(options.handshake->first.c_str(), GENERIC_WRITE, 0, nullptr,
                               CREATE_ALWAYS, 0, nullptr);
    CloseHandle(ready);
    waitFor(
        [&] {
          return GetFileAttributesW(options.handshake->second.c_str()) != INVALID_FILE_ATTRIBUTES;
        },
        30000);
  }
}

Options parse(int argc, wchar_t** argv) {
  Options options;
  options.executable = argv[1];
  options.workingDirectory = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::wstring flag = argv[i];
    if (flag == L"--printer" && i + 1 < argc) {
      options.printer = argv[++i];
    } else if (flag == L"--start-error" && i + 1 < argc) {
      options.startError = argv[++i];
    } else if (flag == L"--russian" && i + 2 < argc) {
      options.russian = std::make_pair(std::wstring(argv[i + 1]), std::wstring(argv[i + 2]));
      i += 2;
    } else if (flag == L"--handshake" && i + 2 < argc) {
      options.handshake = std::make_pair(std::wstring(argv[i + 1]), std::wstring(argv[i + 2]));
      i += 2;
    }
  }
  return options;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quirevo_window_driver QUIREVO_EXE WORKING_DIR [options]\n");
    return 2;
  }
  const Options options = parse(argc, argv);
  std::wstring commandLine = L"\"" + options.executable + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION program{};
  if (!CreateProcessW(options.executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, options.workingDirectory.c_str(), &startup, &program)) {
    check(false, "Quirevo.exe starts", "CreateProcess error " + std::to_string(GetLastError()));
    return 1;
  }

  // Start-up: the printer is found, the spreadsheet application is not.
  const auto startError = acceptMessageBox(program.dwProcessId, 60000);
  check(startError == options.startError, "the missing spreadsheet application is reported",
        startError ? toUtf8(*startError) : "no message box");
  HWND main = nullptr;
  check(waitFor([&] {
          return (main = topLevel(program.dwProcessId, L"QuirevoForm", L"Quirevo v1.1")) != nullptr;
        }),
        "the window titled Quirevo v1.1 appears");
  if (main != nullptr) {
    checkWindow(main, program.dwProcessId, program.dwThreadId, options);
    SetForegroundWindow(main);
    press(VK_F4, true);
  }
  const bool ended = WaitForSingleObject(program.hProcess, 20000) == WAIT_OBJECT_0;
  DWORD exitCode = 1;
  GetExitCodeProcess(program.hProcess, &exitCode);
  check(ended && exitCode == 0, "Alt+F4 ends the program with exit code 0",
        ended ? "exit code " + std::to_string(exitCode) : "still running");
  if (!ended) {
    TerminateProcess(program.hProcess, 1);
  }
  CloseHandle(program.hThread);
  CloseHandle(program.hProcess);
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
