#include "workbook/print_plan.h"

namespace quirevo {

namespace {

// Counts run in 64 bits so that a count near INT32_MAX cannot overflow the loops.
void forEach(std::int64_t first, std::int64_t last, std::int64_t step, auto&& action) {
  for (std::int64_t n = first; n <= last; n += step) {
    action(static_cast<std::int32_t>(n));
  }
}

void planSheets(const SheetModeSettings& s, PrintTarget& target) {
  const auto printSheet = [&](std::int32_t sheet) {
    const std::int32_t lastPage = s.everyPage ? target.pageCount(sheet) : s.pagesPerSheet;
    // Every page of a sheet that prints none is nothing to ask for.
    if (lastPage >= 1 || !s.everyPage) {
      target.print({true, sheet, 1, lastPage, s.copies});
    }
  };
  switch (s.choice) {
    case SheetChoice::All:
      forEach(1, target.sheetCount(), 1, printSheet);
      break;
    case SheetChoice::One:
      printSheet(s.oneSheet);
      break;
    case SheetChoice::Range:
      forEach(s.firstSheet, s.lastSheet, 1, printSheet);
      break;
    case SheetChoice::Even:
      forEach(2, target.sheetCount(), 2, printSheet);
      break;
    case SheetChoice::Odd:
      forEach(1, target.sheetCount(), 2, printSheet);
      break;
    case SheetChoice::None:
      break;
  }
}

void planPages(const PageModeSettings& s, PrintTarget& target) {
  const auto printPages = [&](std::int32_t first, std::int32_t last) {
    target.print({false, s.sheet, first, last, s.copies});
  };
  const auto printPage = [&](std::int32_t page) { printPages(page, page); };
  switch (s.choice) {
    case PageChoice::All:
      printPages(1, target.pageCount(s.sheet));
      break;
    case PageChoice::One:
      printPage(s.onePage);
      break;
    case PageChoice::Range:
      // Sent as given, even running downwards: the spreadsheet application decides.
      printPages(s.firstPage, s.lastPage);
      break;
    case PageChoice::Even:
      forEach(2, target.pageCount(s.sheet), 2, printPage);
      break;
    case PageChoice::Odd:
      forEach(1, target.pageCount(s.sheet), 2, printPage);
      break;
    case PageChoice::None:
      break;
  }
}

}  // namespace

void planPrint(const PrintSettings& settings, PrintTarget& target) {
  if (settings.sheetMode) {
    planSheets(settings.sheets, target);
  }
  if (settings.pageMode) {
    planPages(settings.pages, target);
  }
}

}  // namespace quirevo
