// The Linux program: with no argument (or one workbook) the window, Qt for the window, CUPS for
// the printer, libxml2 for the language files, LibreOffice Calc as the spreadsheet application,
// its requests waited for through Qt; with a command ("quirevo list", "quirevo print") the same
// use cases from the command line, the office's requests waited for until Ctrl+C.
#include <unistd.h>

#include <QApplication>

#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "app/platform.h"
#include "app/quirevo.h"
#include "commands/command_run.h"
#include "commands/invocation.h"
#include "platform/cups/cups_printer_list.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/libxml2/libxml2_parser.h"
#include "platform/qt/classic_look.h"
#include "platform/qt/qt_busy_wait.h"
#include "platform/qt/qt_desktop.h"
#include "platform/registry/component_registry.h"
#include "programs/linux/interruption_signals.h"
#include "ui/error_text.h"

namespace {

// The office asks the print server whether a printer takes jobs before it prints on it.
void addOffice(quirevo::ComponentRegistry& components, quirevo::BusyWait& wait,
               quirevo::PrinterList& printers) {
  components.add("Excel.Application", [&wait, &printers] {
    quirevo::OfficeOptions options;
    options.printers = &printers;
    return quirevo::createLibreOfficeApplication(wait, options);
  });
}

int runCommandLine(const std::vector<std::string>& arguments) {
  quirevo::Interruption interruption;
  const quirevo::InterruptionSignals interruptingSignals(interruption);
  quirevo::InterruptibleWait wait(interruption);
  quirevo::CupsPrinterList printers;
  quirevo::ComponentRegistry components;
  addOffice(components, wait, printers);
  quirevo::CommandPlatform platform{components, printers};
  quirevo::Console console{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
  return quirevo::runCommand(arguments, platform, console, interruption);
}

int runWindow(int argc, char** argv, const std::optional<std::string>& workbook) {
  QApplication application(argc, argv);
  quirevo::useClassicLook();
  quirevo::QtDesktop desktop;
  quirevo::CupsPrinterList printers;
  quirevo::QtBusyWait wait(desktop, quirevo::applicationTitle(desktop.executablePath()));
  quirevo::ComponentRegistry components;
  addOffice(components, wait, printers);
  quirevo::LibXml2Parser xml;
  quirevo::Platform platform{components, printers, desktop, &xml};
  return quirevo::Quirevo(platform, workbook);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto invocation = quirevo::invocationOf(arguments);
  if (const auto* command = std::get_if<quirevo::RunCommand>(&invocation)) {
    return runCommandLine(command->arguments);
  }
  // Qt takes its own options out of the arguments; the workbook was read before.
  int qtArgc = 1;
  return runWindow(qtArgc, argv, std::get<quirevo::OpenWindow>(invocation).workbook);
}
