#include "commands/list_command.h"

#include <nlohmann/json.hpp>

#include <vector>

#include "commands/workbook_batch.h"
#include "workbook/sheet_listing.h"

namespace quirevo {

namespace {

std::vector<SheetInfo> sheetsOf(const Variant& session, const WorkbookFile& file) {
  replaceActiveWorkbook(session, file.path);
  std::vector<SheetInfo> sheets;
  readSheets(session, [&](const SheetInfo& sheet) { sheets.push_back(sheet); });
  return sheets;
}

}  // namespace

int runList(const ListCommand& command, const Variant& session, Console& console,
            const Interruption& interruption) {
  const InformationTexts& english = *informationTexts(0);
  nlohmann::ordered_json document = nlohmann::ordered_json::array();
  const BatchEnd end = forEachWorkbook(
      command.workbooks, "listing", console, interruption,
      [&](const WorkbookFile& file) {
        const std::vector<SheetInfo> sheets = sheetsOf(session, file);
        if (!command.json) {
          console.out << file.name << '\n';
          for (const SheetInfo& sheet : sheets) {
            console.out << "  " << sheetLine(english, sheet) << '\n';
          }
          console.out.flush();
          return;
        }
        nlohmann::ordered_json listed = nlohmann::ordered_json::array();
        for (const SheetInfo& sheet : sheets) {
          listed.push_back(
              {{"number", sheet.number}, {"name", sheet.name}, {"pages", sheet.pages}});
        }
        document.push_back({{"file", file.name}, {"sheets", std::move(listed)}});
      },
      [&](const WorkbookFile& file, const std::string& reason) {
        document.push_back({{"file", file.name}, {"error", reason}});
      });
  if (command.json) {
    // Names the office read may hold bytes that are no UTF-8; they are written replaced, not
    // thrown.
    console.out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                << '\n';
  }
  return statusOf(end);
}

}  // namespace quirevo
