#pragma once

#include <windows.h>

namespace quirevo::testing {

// What Wine (8.0, as Debian ships it) cannot do, and how these suites deal with it:
// - No spreadsheet application is installed, so "Excel.Application" is an invalid class string:
//   the window driver checks that failure's report; the automation calls themselves are checked
//   against the recording IDispatch in com_dispatch_test.cpp.
// - CLSIDFromProgID does not read per-user class registrations (HKCU\Software\Classes): the
//   factory test registers its ProgID for the machine where the per-user entry is not seen.
// - FormatMessage has no text for the COM and automation statuses: the program then gives the
//   standard texts Windows has for them, so the expected messages are the same on both.
// - VariantChangeType does not report an overflow from VT_UI4 to VT_I4: the program checks the
//   range itself (ResultTest.WideIntegerKeepsItsDigits caught it).
// - MSXML's parseError after a failed load holds only the reason "error", line 0 and no source
//   text: the line and source text of a parse error are checked on Windows only.
// - IsDialogMessage moves the focus by sending WM_NEXTDLGCTL, which only a dialog's default
//   procedure handles: the main window handles it itself, as Windows does not need but accepts.
// - Xvfb has no window manager: the Wine prefix uses a virtual desktop, so windows get title bars.
// - Wine's COM never retries a call rejected as busy: the server side ignores SERVERCALL_RETRYLATER
//   and the client side never asks the message filter. The busy scenario (tests/wine) has the
//   in-process server answer RPC_E_SERVERCALL_RETRYLATER itself, which the client retries.
// - A window of another process reads black through its own DC: the scenario driver reads a
//   message box's icon from the screen.
// - GenerateConsoleCtrlEvent fails for CTRL_BREAK_EVENT (ERROR_INVALID_HANDLE, to any process
//   group), and AttachConsole to another process's console fails: the console scenarios send no
//   Ctrl+Break, and press Ctrl+C (to the whole console) in a console of the driver's own that
//   quirevo.com shares.
// - Closing a console window ends its processes without calling their handlers with
//   CTRL_CLOSE_EVENT: the wait of a closing console is checked by calling quirevo.com's handler
//   as the system would (console_interruption_test.cpp).
inline bool runningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace quirevo::testing
