// The Linux program: Qt for the window, CUPS for the printer, libxml2 for the language files,
// LibreOffice Calc as the spreadsheet application.
#include <QApplication>

#include "app/platform.h"
#include "app/quirevo.h"
#include "platform/cups/cups_printer_list.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/libxml2/libxml2_parser.h"
#include "platform/qt/classic_look.h"
#include "platform/qt/qt_desktop.h"
#include "platform/registry/component_registry.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quirevo::useClassicLook();
  quirevo::QtDesktop desktop;
  quirevo::CupsPrinterList printers;
  quirevo::ComponentRegistry components;
  components.add("Excel.Application", [] { return quirevo::createLibreOfficeApplication(); });
  quirevo::LibXml2Parser xml;
  quirevo::Platform platform{components, printers, desktop, &xml};
  return quirevo::Quirevo(platform);
}
