#include "platform/libreoffice/sheet_pages.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/view/XRenderable.hpp>

#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

namespace {

bool isVisible(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet) {
  bool visible = true;
  css::uno::Reference<css::beans::XPropertySet>(sheet, css::uno::UNO_QUERY_THROW)
      ->getPropertyValue(toUno("IsVisible")) >>= visible;
  return visible;
}

// The page's cells, when the page shows any.
bool showsCellsOf(const css::uno::Sequence<css::beans::PropertyValue>& page, std::int32_t sheet) {
  for (const css::beans::PropertyValue& value : page) {
    css::table::CellRangeAddress range;
    if (value.Name == "SourceRange" && (value.Value >>= range)) {
      return range.Sheet == sheet;
    }
  }
  return false;
}

}  // namespace

std::int32_t sheetIndex(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet) {
  return css::uno::Reference<css::sheet::XCellRangeAddressable>(sheet, css::uno::UNO_QUERY_THROW)
      ->getRangeAddress()
      .Sheet;
}

std::int32_t printedPageCount(const css::uno::Reference<css::frame::XModel>& document,
                              const css::uno::Reference<css::sheet::XSpreadsheet>& sheet) {
  // A hidden sheet cannot be selected, so printing it alone would print another sheet.
  if (!isVisible(sheet)) {
    return 0;
  }
  const css::uno::Reference<css::view::XRenderable> renderer(document, css::uno::UNO_QUERY_THROW);
  const css::uno::Any selection(sheet);
  const auto options = properties({property("IsSuppressEmptyPages", css::uno::Any(true))});
  const sal_Int32 count = renderer->getRendererCount(selection, options);
  // The renderer counts at least one page even for a sheet with nothing to print; a real page
  // shows cells of the sheet.
  if (count == 1 &&
      !showsCellsOf(renderer->getRenderer(0, selection, options), sheetIndex(sheet))) {
    return 0;
  }
  return count;
}

}  // namespace quirevo::office
