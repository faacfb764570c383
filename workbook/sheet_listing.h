#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "automation/variant.h"
#include "workbook/information_texts.h"

namespace quirevo {

// One sheet as the information list shows it.
struct SheetInfo {
  std::int32_t number = 0;
  std::string name;
  std::int32_t pages = 0;
  bool operator==(const SheetInfo&) const = default;
};

// "Sheet №2 - Sheets name: Totals - Num pages: 3", in the texts' language.
std::string sheetLine(const InformationTexts& texts, const SheetInfo& sheet);

// Makes the named workbook the session's active one: the active workbook is closed, if there is
// one, and the file opened. After a failed open no workbook is active; the next one still opens.
void replaceActiveWorkbook(const Variant& session, const std::string& fileName);

// Reads the active workbook's sheets in order: the count, then each sheet's name and printed page
// count, every value asked for afresh. each gets a sheet the moment it has been read, so that what
// was read before a failure has been handed on.
void readSheets(const Variant& session, const std::function<void(const SheetInfo&)>& each);

}  // namespace quirevo
