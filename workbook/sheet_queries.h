#pragma once

#include <cstdint>
#include <string>

#include "automation/variant.h"

namespace quirevo {

// What the use cases ask about the sheets of the session's active workbook, each a fresh chain of
// requests from the session. Loading names a sheet by value and printing by reference, as the
// window always has; the two page counts differ only in that.
std::int32_t sheetCount(const Variant& session);
std::string sheetName(const Variant& session, std::int32_t sheet);
std::int32_t pageCountNamingSheetByValue(const Variant& session, std::int32_t sheet);
std::int32_t pageCountNamingSheetByReference(const Variant& session, std::int32_t sheet);

}  // namespace quirevo
