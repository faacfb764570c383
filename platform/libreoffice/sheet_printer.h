#pragma once

#include <cstdint>
#include <string>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

namespace quirevo::office {

struct SheetPrintRequest {
  std::int32_t from;
  std::int32_t to;
  std::int32_t copies;
  bool collate;
  std::string printer;
};

// Prints pages from..to of the sheet alone, through the office's own printing, on the named
// printer, and returns when the job has been handed to the printing system. A request that
// selects no page of the sheet prints nothing.
void printSheet(const css::uno::Reference<css::frame::XModel>& document,
                const css::uno::Reference<css::sheet::XSpreadsheet>& sheet,
                const SheetPrintRequest& request);

}  // namespace quirevo::office
