#include "platform/libreoffice/workbook_sheets.h"

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

css::uno::Reference<css::container::XIndexAccess> sheetsOf(
    const css::uno::Reference<css::frame::XModel>& document) {
  return css::uno::Reference<css::container::XIndexAccess>(
      css::uno::Reference<css::sheet::XSpreadsheetDocument>(document, css::uno::UNO_QUERY_THROW)
          ->getSheets(),
      css::uno::UNO_QUERY_THROW);
}

css::uno::Reference<css::sheet::XSpreadsheet> sheetNumber(
    const css::uno::Reference<css::frame::XModel>& document, std::int32_t number) {
  const auto sheets = sheetsOf(document);
  const sal_Int32 count = sheets->getCount();
  if (number < 1 || number > count) {
    throw refusal("There is no sheet " + std::to_string(number) + ": the workbook has " +
                  std::to_string(count) + (count == 1 ? " sheet" : " sheets"));
  }
  return css::uno::Reference<css::sheet::XSpreadsheet>(sheets->getByIndex(number - 1),
                                                       css::uno::UNO_QUERY_THROW);
}

std::string sheetName(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet) {
  return fromUno(
      css::uno::Reference<css::container::XNamed>(sheet, css::uno::UNO_QUERY_THROW)->getName());
}

}  // namespace quirevo::office
