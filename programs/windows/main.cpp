// The Windows program: Win32 window, the Windows printer list, MSXML, and the spreadsheet
// application through COM, supervised: its requests waited for through the Win32 busy dialog.
#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "app/platform.h"
#include "app/quirevo.h"
#include "i18n/language_file.h"
#include "platform/com/supervised_com_factory.h"
#include "platform/msxml/msxml_parser.h"
#include "platform/win32/win32_busy_wait.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_printer_list.h"
#include "platform/windows/wide_text.h"
#include "ui/error_text.h"
#include "workbook/absolute_file_name.h"

namespace {

struct LocalFreeDeleter {
  void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

// The one workbook a start with exactly one argument names ("Open with", a file dropped onto
// the program); without one, or with more, the program starts as ever.
std::optional<std::string> workbookArgument() {
  int count = 0;
  const std::unique_ptr<LPWSTR[], LocalFreeDeleter> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments || count != 2) {
    return std::nullopt;
  }
  return quirevo::toUtf8(arguments[1]);
}

// Started with a workbook, as Explorer's "Open with" starts it, the working folder is the one
// Explorer chose, where the language files (named without a folder) are not; they lie beside the
// program. So the workbook's name is made absolute first, then, when the working folder has no
// language file, the program's folder becomes the working folder.
std::optional<std::string> workbookToName(const std::string& programPath) {
  std::optional<std::string> workbook = workbookArgument();
  if (!workbook) {
    return workbook;
  }
  workbook = quirevo::absoluteFileName(*workbook);
  const std::wstring english = quirevo::toWide(*quirevo::languageFileName(0));
  if (GetFileAttributesW(english.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const std::wstring program = quirevo::toWide(programPath);
    SetCurrentDirectoryW(program.substr(0, program.find_last_of(L"\\/")).c_str());
  }
  return workbook;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  quirevo::Win32Desktop desktop(instance, showCommand);
  quirevo::Win32PrinterList printers;
  quirevo::Win32BusyWait wait(desktop, quirevo::applicationTitle(desktop.executablePath()));
  quirevo::SupervisedComFactory automation(wait);
  quirevo::MsxmlParser xml;
  quirevo::Platform platform{automation, printers, desktop, &xml};
  try {
    return quirevo::Quirevo(platform, workbookToName(desktop.executablePath()));
  } catch (const std::exception& error) {
    // Only what stops the window itself from existing (COM or the window not to be had) gets
    // here; a GUI program has no other place to say so.
    desktop.showMessageBox(quirevo::applicationTitle(desktop.executablePath()),
                           quirevo::messageWithFullStop(error.what()), quirevo::MessageIcon::Error);
    return 1;
  }
}
