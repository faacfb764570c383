#include "platform/libreoffice/sheet_printer.h"

#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/sheet/XSelectedSheetsSupplier.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/view/XPrintable.hpp>

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/page_selection.h"
#include "platform/libreoffice/print_job_monitor.h"
#include "platform/libreoffice/sheet_pages.h"
#include "platform/libreoffice/uno_text.h"
#include "platform/libreoffice/workbook_sheets.h"

namespace quirevo::office {

namespace {

// The office prints the selected sheets only (the profile says so); the sheet becomes the one
// selected, and that is checked, so that no other sheet's pages are ever printed in its place.
void selectAlone(const css::uno::Reference<css::frame::XModel>& document,
                 const css::uno::Reference<css::sheet::XSpreadsheet>& sheet) {
  const auto controller = document->getCurrentController();
  css::uno::Reference<css::sheet::XSpreadsheetView>(controller, css::uno::UNO_QUERY_THROW)
      ->setActiveSheet(sheet);
  const auto selected = css::uno::Reference<css::sheet::XSelectedSheetsSupplier>(
                            controller, css::uno::UNO_QUERY_THROW)
                            ->getSelectedSheets();
  if (selected.getLength() != 1 || selected[0] != sheetIndex(sheet)) {
    throw refusal("Sheet \"" + sheetName(sheet) + "\" cannot be printed on its own");
  }
}

// The office keeps its previous printer when it does not know the name it is given.
void usePrinter(const css::uno::Reference<css::view::XPrintable>& printable,
                const std::string& printer) {
  printable->setPrinter(properties({property("Name", css::uno::Any(toUno(printer)))}));
  rtl::OUString chosen;
  for (const css::beans::PropertyValue& value : printable->getPrinter()) {
    if (value.Name == "Name") {
      value.Value >>= chosen;
    }
  }
  if (fromUno(chosen) != printer) {
    throw refusal("The printer \"" + printer + "\" does not exist");
  }
}

}  // namespace

void printSheet(const css::uno::Reference<css::frame::XModel>& document,
                const css::uno::Reference<css::sheet::XSpreadsheet>& sheet,
                const SheetPrintRequest& request) {
  const auto pages =
      selectPages(printedPageCount(document, sheet), request.from, request.to, request.copies);
  if (!pages) {
    return;
  }
  selectAlone(document, sheet);
  const css::uno::Reference<css::view::XPrintable> printable(document, css::uno::UNO_QUERY_THROW);
  usePrinter(printable, request.printer);

  const MonitoredPrinting printing(
      css::uno::Reference<css::view::XPrintJobBroadcaster>(document, css::uno::UNO_QUERY_THROW));
  const std::string range = std::to_string(pages->first) + "-" + std::to_string(pages->last);
  printable->print(properties({
      property("Pages", css::uno::Any(toUno(range))),
      property("CopyCount", css::uno::Any(static_cast<sal_Int32>(request.copies))),
      property("Collate", css::uno::Any(request.collate)),
      property("Wait", css::uno::Any(true)),
  }));
  if (printing.monitor().failed()) {
    throw refusal("Printing sheet \"" + sheetName(sheet) + "\" on \"" + request.printer +
                  "\" failed");
  }
  if (!printing.monitor().spooled()) {
    throw refusal("LibreOffice did not print sheet \"" + sheetName(sheet) + "\" on \"" +
                  request.printer + "\"");
  }
}

}  // namespace quirevo::office
