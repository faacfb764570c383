#pragma once

#include <cstdint>
#include <string>

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>

namespace quirevo::office {

// The sheets of a workbook in the workbook's own order, hidden ones included.
css::uno::Reference<css::container::XIndexAccess> sheetsOf(
    const css::uno::Reference<css::frame::XModel>& document);

// Sheet number (from 1) of the workbook; a number outside its sheets fails, saying how many it has.
css::uno::Reference<css::sheet::XSpreadsheet> sheetNumber(
    const css::uno::Reference<css::frame::XModel>& document, std::int32_t number);

std::string sheetName(const css::uno::Reference<css::sheet::XSpreadsheet>& sheet);

}  // namespace quirevo::office
