#include "workbook/workbook_loading.h"

#include <string>

#include "workbook/information_texts.h"
#include "workbook/sheet_listing.h"

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

  // After a failed open no workbook is active; the open still goes ahead, so a path typed by
  // hand opens once it is complete.
  replaceActiveWorkbook(session, fileName);

  window.clearInformation();
  const InformationTexts* texts = informationTexts(window.languageIndex());
  if (texts == nullptr) {
    return;
  }
  window.addInformation(std::string(texts->heading));
  readSheets(session,
             [&](const SheetInfo& sheet) { window.addInformation(sheetLine(*texts, sheet)); });
}

}  // namespace quirevo
