#pragma once

#include <optional>
#include <string>

namespace quirevo {

// The platform's printers.
class PrinterList {
 public:
  virtual ~PrinterList() = default;
  // The display name of the current printer (the user's default printer when none was chosen),
  // or nothing when there is no printer or no default one among them.
  virtual std::optional<std::string> currentPrinterName() = 0;
};

}  // namespace quirevo
