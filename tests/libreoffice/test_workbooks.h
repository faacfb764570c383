#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quirevo::testing {

// A sheet of a test workbook as printing it must show: for every printed page, in print order,
// the texts on that page. A sheet that prints nothing has no pages.
struct SheetLayout {
  std::string name;
  std::vector<std::vector<std::string>> pages;
  // Texts on the sheet that no page shows (outside the print area, on a hidden sheet).
  std::vector<std::string> unprinted = {};
};

struct TestWorkbook {
  std::filesystem::path file;
  std::vector<SheetLayout> sheets;
};

// The workbooks the office tests read, made once per test program by an office of its own, in a
// folder that goes with them: explicit A4 pages, so page counts do not depend on the machine.
class TestWorkbooks {
 public:
  TestWorkbooks();
  ~TestWorkbooks();
  TestWorkbooks(const TestWorkbooks&) = delete;
  TestWorkbooks& operator=(const TestWorkbooks&) = delete;

  // Manual row and column breaks, a wide sheet, a print area, fit to one page, an empty sheet,
  // a hidden one, a Cyrillic name, a print area of empty cells: as .xlsx and as .xls.
  const TestWorkbook& layoutsXlsx() const { return layoutsXlsx_; }
  const TestWorkbook& layoutsXls() const { return layoutsXls_; }
  // Three sheets of 1, 3 and 2 pages, as in the program's typical run.
  const TestWorkbook& threeSheets() const { return threeSheets_; }
  // The three sheets saved with a password to open them (kPassword).
  const std::filesystem::path& protectedXlsx() const { return protectedXlsx_; }
  const std::filesystem::path& protectedXls() const { return protectedXls_; }
  static constexpr const char* kPassword = "quirevo";
  // The three sheets with only a password to modify the file, and with every sheet protected
  // by a password: both open without one.
  const TestWorkbook& passwordToModify() const { return passwordToModify_; }
  const TestWorkbook& protectedSheets() const { return protectedSheets_; }
  // A file that is no workbook.
  const std::filesystem::path& notAWorkbook() const { return notAWorkbook_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  TestWorkbook layoutsXlsx_;
  TestWorkbook layoutsXls_;
  TestWorkbook threeSheets_;
  std::filesystem::path protectedXlsx_;
  std::filesystem::path protectedXls_;
  TestWorkbook passwordToModify_;
  TestWorkbook protectedSheets_;
  std::filesystem::path notAWorkbook_;
};

// Writes an .xlsx of the given number of one-page sheets, "Sheet1" to "SheetN", with an office
// of its own.
void writeOnePageSheets(const std::filesystem::path& file, int count);
// One sheet of numbers, twelve columns wide, that takes the office seconds to load.
void writeLargeSheet(const std::filesystem::path& file, int rows);

// Every text on any sheet of the workbook, printed or not.
std::vector<std::string> allTexts(const TestWorkbook& workbook);

}  // namespace quirevo::testing
