// The Linux program: Qt for the window, CUPS for the printer, built-in automation components.
#include <QApplication>

#include "app/quirevo.h"
#include "platform/cups/cups_printer_list.h"
#include "platform/platform.h"
#include "platform/qt/classic_look.h"
#include "platform/qt/qt_desktop.h"
#include "platform/registry/component_registry.h"
#include "platform/registry/linux_components.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quirevo::useClassicLook();
  quirevo::QtDesktop desktop;
  quirevo::CupsPrinterList printers;
  quirevo::ComponentRegistry components;
  quirevo::registerLinuxComponents(components);
  quirevo::Platform platform{components, printers, desktop};
  return quirevo::Quirevo(platform);
}
