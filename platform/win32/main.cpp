// The Windows program: Win32 window, the Windows printer list, COM automation.
#include <windows.h>

#include "app/quirevo.h"
#include "platform/com/com_automation_factory.h"
#include "platform/platform.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_printer_list.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  quirevo::Win32Desktop desktop(instance, showCommand);
  quirevo::Win32PrinterList printers;
  quirevo::ComAutomationFactory automation;
  quirevo::Platform platform{automation, printers, desktop};
  return quirevo::Quirevo(platform);
}
