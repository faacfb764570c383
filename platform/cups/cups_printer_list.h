#pragma once

#include <optional>
#include <string>

#include "platform/printer_list.h"

namespace quirevo {

// The printers of the CUPS server the user's session is set up for (CUPS_SERVER, client.conf or
// the local server). The current printer is the user's default destination: lpoptions, LPDEST or
// PRINTER, else the server's default.
class CupsPrinterList : public PrinterList {
 public:
  // "name" or, for a destination instance, "name/instance" as lp and lpstat spell it; nothing
  // when no default is set or the server does not know it.
  std::optional<std::string> currentPrinterName() override;
  // What the server says of the queue (printer-is-accepting-jobs): cupsreject makes it refuse.
  bool acceptsJobs(const std::string& printer) override;
};

}  // namespace quirevo
