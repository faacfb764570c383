#include "platform/libreoffice/sheets_object.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/sheet_object.h"

namespace quirevo::office {

namespace {

css::uno::Reference<css::container::XIndexAccess> sheetsOf(
    const css::uno::Reference<css::frame::XModel>& document) {
  return css::uno::Reference<css::container::XIndexAccess>(
      css::uno::Reference<css::sheet::XSpreadsheetDocument>(document, css::uno::UNO_QUERY_THROW)
          ->getSheets(),
      css::uno::UNO_QUERY_THROW);
}

}  // namespace

Variant SheetsObject::count(const BoundArguments&) {
  return Variant::integer(sheetsOf(document_)->getCount());
}

Variant SheetsObject::item(const BoundArguments& arguments) {
  const std::int32_t index = arguments[0].integerValue();
  const auto sheets = sheetsOf(document_);
  const sal_Int32 count = sheets->getCount();
  if (index < 1 || index > count) {
    throw refusal("There is no sheet " + std::to_string(index) + ": the workbook has " +
                  std::to_string(count) + (count == 1 ? " sheet" : " sheets"));
  }
  css::uno::Reference<css::sheet::XSpreadsheet> sheet(sheets->getByIndex(index - 1),
                                                      css::uno::UNO_QUERY_THROW);
  return Variant::object(makeDispatch<SheetObject>(sharedSession(), document_, std::move(sheet)));
}

}  // namespace quirevo::office
