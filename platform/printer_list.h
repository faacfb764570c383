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
  // Whether the printer takes jobs now (a paused one still does); asked before a job is sent so
  // that a queue refusing them is named as such. A printer the platform cannot tell about, or
  // does not know, is taken to: the spreadsheet application then reports what it finds.
  virtual bool acceptsJobs(const std::string& /*printer*/) { return true; }
};

}  // namespace quirevo
