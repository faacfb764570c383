#pragma once

#include "automation/variant.h"
#include "workbook/print_plan.h"

namespace quirevo {

// Hears of each request of a print: before it is sent, and once the spreadsheet application has
// taken it. Either may throw to end the print there.
class PrintObserver {
 public:
  virtual void printing(const PrintRequest& request) = 0;
  virtual void printed(const PrintRequest& request) = 0;

 protected:
  ~PrintObserver() = default;
};

// Prints what the settings ask for through the session's active workbook: every request is
// one PrintOut on a sheet fetched afresh, and the first refusal ends the press.
void printWorkbook(const Variant& session, const PrintSettings& settings,
                   PrintObserver* observer = nullptr);

}  // namespace quirevo
