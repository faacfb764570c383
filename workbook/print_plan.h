#pragma once

#include <cstdint>
#include <string>

namespace quirevo {

enum class SheetChoice { None, All, One, Range, Even, Odd };
enum class PageChoice { None, All, One, Range, Even, Odd };

// Sheet mode: whole sheets, each from page 1 to the pages-per-sheet value, or to its last page.
struct SheetModeSettings {
  SheetChoice choice = SheetChoice::None;
  std::int32_t oneSheet = 1;
  std::int32_t firstSheet = 1;
  std::int32_t lastSheet = 1;
  std::int32_t pagesPerSheet = 1;
  // Every page of each sheet, its page count read just before its request, instead of
  // pagesPerSheet (the command line's default; the window always has a pages-per-sheet value).
  bool everyPage = false;
  std::int32_t copies = 1;
};

// Page mode: pages of one sheet.
struct PageModeSettings {
  PageChoice choice = PageChoice::None;
  std::int32_t sheet = 1;
  std::int32_t onePage = 1;
  std::int32_t firstPage = 1;
  std::int32_t lastPage = 1;
  std::int32_t copies = 1;
};

// What one press of "Print" asks for, as read from the window.
struct PrintSettings {
  std::string printer;
  bool sheetMode = false;
  bool pageMode = false;
  SheetModeSettings sheets;
  PageModeSettings pages;
};

// One PrintOut call on one sheet.
struct PrintRequest {
  bool sheetMode = false;  // a whole-sheet request, which always starts at page 1
  std::int32_t sheet = 0;
  std::int32_t firstPage = 0;
  std::int32_t lastPage = 0;
  std::int32_t copies = 0;
  bool operator==(const PrintRequest&) const = default;
};

// Where the plan reads counts and sends requests.
class PrintTarget {
 public:
  virtual std::int32_t sheetCount() = 0;
  virtual std::int32_t pageCount(std::int32_t sheet) = 0;
  virtual void print(const PrintRequest& request) = 0;

 protected:
  ~PrintTarget() = default;
};

// Works out the requests of one press in rising sheet or page order and sends each the moment
// it is worked out. A sheet or page count is read once, just before the first request that
// depends on it. No value is checked against the workbook: the spreadsheet application judges.
void planPrint(const PrintSettings& settings, PrintTarget& target);

}  // namespace quirevo
