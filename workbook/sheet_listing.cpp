#include "workbook/sheet_listing.h"

#include "automation/late_binding.h"
#include "workbook/sheet_queries.h"

namespace quirevo {

std::string sheetLine(const InformationTexts& texts, const SheetInfo& sheet) {
  std::string line =
      std::string(texts.sheetPrefix) + std::to_string(sheet.number) + std::string(texts.nameLabel);
  line += sheet.name;
  line += texts.pagesLabel;
  line += std::to_string(sheet.pages);
  return line;
}

void replaceActiveWorkbook(const Variant& session, const std::string& fileName) {
  const LateBound activeWorkbook = late(session).get("ActiveWorkbook");
  if (!activeWorkbook.value().isNothing()) {
    activeWorkbook.call("Close");
  }
  const NamedValue fileNameArgument{"Filename", Variant::string(fileName)};
  late(session).get("Workbooks").call("Open", {}, {&fileNameArgument, 1});
}

void readSheets(const Variant& session, const std::function<void(const SheetInfo&)>& each) {
  const std::int32_t sheets = sheetCount(session);
  // 64-bit so a count of INT32_MAX cannot overflow the loop.
  for (std::int64_t i = 1; i <= sheets; ++i) {
    const auto sheet = static_cast<std::int32_t>(i);
    SheetInfo info{sheet, sheetName(session, sheet), 0};
    info.pages = pageCountNamingSheetByValue(session, sheet);
    each(info);
  }
}

}  // namespace quirevo
