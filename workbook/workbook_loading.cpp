#include "workbook/workbook_loading.h"

#include <cstdint>
#include <string>

#include "automation/late_binding.h"
#include "workbook/information_texts.h"
#include "workbook/sheet_queries.h"

namespace quirevo {

void loadNamedWorkbook(const Variant& session, WorkbookView& window) {
  const std::string fileName = window.fileName();
  if (fileName.empty()) {
    window.setPrintEnabled(false);
    window.clearInformation();
    return;
  }
  // Enabled before any request, so it stays enabled whichever request fails.
  window.setPrintEnabled(true);

  const LateBound activeWorkbook = late(session).get("ActiveWorkbook");
  // After a failed open no workbook is active; the open still goes ahead, so a path typed by
  // hand opens once it is complete.
  if (!activeWorkbook.value().isNothing()) {
    activeWorkbook.call("Close");
  }
  const NamedValue fileNameArgument{"Filename", Variant::string(fileName)};
  late(session).get("Workbooks").call("Open", {}, {&fileNameArgument, 1});

  window.clearInformation();
  const InformationTexts* texts = informationTexts(window.languageIndex());
  if (texts == nullptr) {
    return;
  }
  window.addInformation(std::string(texts->heading));
  const std::int32_t sheets = sheetCount(session);
  // 64-bit so a count of INT32_MAX cannot overflow the loop.
  for (std::int64_t i = 1; i <= sheets; ++i) {
    const auto sheet = static_cast<std::int32_t>(i);
    std::string line =
        std::string(texts->sheetPrefix) + std::to_string(sheet) + std::string(texts->nameLabel);
    line += sheetName(session, sheet);
    line += texts->pagesLabel;
    line += std::to_string(pageCountNamingSheetByValue(session, sheet));
    window.addInformation(std::move(line));
  }
}

}  // namespace quirevo
