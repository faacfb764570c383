// The Windows program: Win32 window, the Windows printer list, COM automation, MSXML.
#include <windows.h>

#include "app/quirevo.h"
#include "platform/com/com_automation_factory.h"
#include "platform/msxml/msxml_parser.h"
#include "platform/platform.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_printer_list.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  quirevo::Win32Desktop desktop(instance, showCommand);
  quirevo::Win32PrinterList printers;
  quirevo::ComAutomationFactory automation;
  quirevo::MsxmlParser xml;
  quirevo::Platform platform{automation, printers, desktop, &xml};
  return quirevo::Quirevo(platform);
}
