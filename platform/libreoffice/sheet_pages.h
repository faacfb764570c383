#pragma once

#include <cstdint>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

namespace quirevo::office {

// The sheet's index in its document, counted from 0 as the office does.
std::int32_t sheetIndex(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet);

// The number of pages that printing this sheet alone produces: 0 for a sheet that prints nothing
// (empty, hidden, or with a print area of empty cells).
std::int32_t printedPageCount(const css::uno::Reference<css::frame::XModel>& document,
                              const css::uno::Reference<css::sheet::XSpreadsheet>& sheet);

}  // namespace quirevo::office
