#include "workbook/workbook_loading.h"

#include <cstdint>
#include <string>

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/list_box.h"
#include "workbook/information_texts.h"
#include "automation/late_binding.h"

namespace quirevo {

namespace {

std::string sheetName(const Variant& session, std::int32_t sheet) {
  return late(session)
      .get("Sheets")
      .indexedGet("Item", Variant::integer(sheet))
      .get("name")
      .toText();
}

std::int32_t pageCount(const Variant& session, std::int32_t sheet) {
  return late(session)
      .get("Sheets")
      .indexedGet("Item", Variant::integer(sheet))
      .get("PageSetup")
      .get("Pages")
      .get("Count")
      .toInt32();
}

}  // namespace

void loadNamedWorkbook(const Variant& session, const WorkbookWindow& window) {
  const std::string fileName = window.fileField.text();
  if (fileName.empty()) {
    window.printButton.setEnabled(false);
    window.informationList.clear();
    return;
  }
  // Enabled before any request, so it stays enabled whichever request fails.
  window.printButton.setEnabled(true);

  const LateBound activeWorkbook = late(session).get("ActiveWorkbook");
  // After a failed open no workbook is active; the open still goes ahead, so a path typed by
  // hand opens once it is complete.
  if (!activeWorkbook.value().isNothing()) {
    activeWorkbook.call("Close");
  }
  const NamedValue fileNameArgument{"Filename", Variant::string(fileName)};
  late(session).get("Workbooks").call("Open", {}, {&fileNameArgument, 1});

  window.informationList.clear();
  const InformationTexts* texts = informationTexts(window.languageBox.itemIndex());
  if (texts == nullptr) {
    return;
  }
  window.informationList.addItem(std::string(texts->heading));
  const std::int32_t sheetCount = late(session).get("Sheets").get("count").toInt32();
  // 64-bit so a count of INT32_MAX cannot overflow the loop.
  for (std::int64_t i = 1; i <= sheetCount; ++i) {
    const auto sheet = static_cast<std::int32_t>(i);
    std::string line =
        std::string(texts->sheetPrefix) + std::to_string(sheet) + std::string(texts->nameLabel);
    line += sheetName(session, sheet);
    line += texts->pagesLabel;
    line += std::to_string(pageCount(session, sheet));
    window.informationList.addItem(std::move(line));
  }
}

}  // namespace quirevo
