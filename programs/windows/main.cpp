// The Windows program: Win32 window, the Windows printer list, MSXML, and the spreadsheet
// application through COM, supervised: its requests waited for through the Win32 busy dialog.
#include <windows.h>

#include <exception>

#include "app/platform.h"
#include "app/quirevo.h"
#include "platform/com/supervised_com_factory.h"
#include "platform/msxml/msxml_parser.h"
#include "platform/win32/win32_busy_wait.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_printer_list.h"
#include "ui/error_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  quirevo::Win32Desktop desktop(instance, showCommand);
  quirevo::Win32PrinterList printers;
  quirevo::Win32BusyWait wait(desktop, quirevo::applicationTitle(desktop.executablePath()));
  quirevo::SupervisedComFactory automation(wait);
  quirevo::MsxmlParser xml;
  quirevo::Platform platform{automation, printers, desktop, &xml};
  try {
    return quirevo::Quirevo(platform);
  } catch (const std::exception& error) {
    // Only what stops the window itself from existing (COM or the window not to be had) gets
    // here; a GUI program has no other place to say so.
    desktop.showMessageBox(quirevo::applicationTitle(desktop.executablePath()),
                           quirevo::messageWithFullStop(error.what()), quirevo::MessageIcon::Error);
    return 1;
  }
}
