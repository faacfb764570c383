// The Linux program: Qt for the window, CUPS for the printer, libxml2 for the language files,
// LibreOffice Calc as the spreadsheet application, its requests waited for through Qt.
#include <QApplication>

#include "app/platform.h"
#include "app/quirevo.h"
#include "platform/cups/cups_printer_list.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/libxml2/libxml2_parser.h"
#include "platform/qt/classic_look.h"
#include "platform/qt/qt_busy_wait.h"
#include "platform/qt/qt_desktop.h"
#include "platform/registry/component_registry.h"
#include "ui/error_text.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quirevo::useClassicLook();
  quirevo::QtDesktop desktop;
  quirevo::CupsPrinterList printers;
  quirevo::QtBusyWait wait(desktop, quirevo::applicationTitle(desktop.executablePath()));
  quirevo::ComponentRegistry components;
  components.add("Excel.Application",
                 [&wait] { return quirevo::createLibreOfficeApplication(wait); });
  quirevo::LibXml2Parser xml;
  quirevo::Platform platform{components, printers, desktop, &xml};
  return quirevo::Quirevo(platform);
}
