#include "tests/libreoffice/test_workbooks.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <stdexcept>

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XPrintAreas.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XProtectable.hpp>

#include "platform/libreoffice/document_loader.h"
#include "platform/libreoffice/file_url.h"
#include "platform/libreoffice/office.h"
#include "platform/libreoffice/uno_text.h"

namespace quirevo::testing {

namespace {

namespace uno = css::uno;
using office::property;
using office::toUno;

template <class Interface, class From>
uno::Reference<Interface> as(const From& object) {
  return uno::Reference<Interface>(object, uno::UNO_QUERY_THROW);
}

// Writes one sheet: texts at cells, breaks, widths and its own page style.
class SheetBuilder {
 public:
  SheetBuilder(uno::Reference<css::sheet::XSpreadsheet> sheet,
               uno::Reference<css::beans::XPropertySet> pageStyle)
      : sheet_(std::move(sheet)), pageStyle_(std::move(pageStyle)) {}

  SheetBuilder& text(int column, int row, const std::string& value) {
    as<css::text::XText>(sheet_->getCellByPosition(column, row))->setString(toUno(value));
    return *this;
  }
  // The row or column starts a new page.
  SheetBuilder& rowBreak(int row) {
    as<css::beans::XPropertySet>(rows()->getByIndex(row))
        ->setPropertyValue(toUno("IsStartOfNewPage"), uno::Any(true));
    return *this;
  }
  SheetBuilder& columnBreak(int column) {
    as<css::beans::XPropertySet>(columns()->getByIndex(column))
        ->setPropertyValue(toUno("IsStartOfNewPage"), uno::Any(true));
    return *this;
  }
  // Width in hundredths of a millimetre.
  SheetBuilder& columnWidth(int column, int width) {
    as<css::beans::XPropertySet>(columns()->getByIndex(column))
        ->setPropertyValue(toUno("Width"), uno::Any(static_cast<sal_Int32>(width)));
    return *this;
  }
  SheetBuilder& printArea(int firstColumn, int firstRow, int lastColumn, int lastRow) {
    css::table::CellRangeAddress area;
    area.Sheet = as<css::sheet::XCellRangeAddressable>(sheet_)->getRangeAddress().Sheet;
    area.StartColumn = firstColumn;
    area.StartRow = firstRow;
    area.EndColumn = lastColumn;
    area.EndRow = lastRow;
    as<css::sheet::XPrintAreas>(sheet_)->setPrintAreas(
        uno::Sequence<css::table::CellRangeAddress>(&area, 1));
    return *this;
  }
  SheetBuilder& fitToOnePage() {
    pageStyle_->setPropertyValue(toUno("ScaleToPagesX"), uno::Any(sal_Int16(1)));
    pageStyle_->setPropertyValue(toUno("ScaleToPagesY"), uno::Any(sal_Int16(1)));
    return *this;
  }
  SheetBuilder& hide() {
    as<css::beans::XPropertySet>(sheet_)->setPropertyValue(toUno("IsVisible"), uno::Any(false));
    return *this;
  }

 private:
  uno::Reference<css::container::XIndexAccess> rows() {
    return as<css::container::XIndexAccess>(as<css::table::XColumnRowRange>(sheet_)->getRows());
  }
  uno::Reference<css::container::XIndexAccess> columns() {
    return as<css::container::XIndexAccess>(as<css::table::XColumnRowRange>(sheet_)->getColumns());
  }
  uno::Reference<css::sheet::XSpreadsheet> sheet_;
  uno::Reference<css::beans::XPropertySet> pageStyle_;
};

struct SheetRecipe {
  SheetLayout layout;
  std::function<void(SheetBuilder&)> build;
};

// A4 portrait, 2 cm margins (17 x 25.7 cm to print on), no header or footer, pages taken top to
// bottom first: every machine lays the sheets out alike.
void setPlainA4(const uno::Reference<css::beans::XPropertySet>& style) {
  const std::pair<const char*, uno::Any> settings[] = {
      {"Width", uno::Any(sal_Int32(21000))},
      {"Height", uno::Any(sal_Int32(29700))},
      {"IsLandscape", uno::Any(false)},
      {"LeftMargin", uno::Any(sal_Int32(2000))},
      {"RightMargin", uno::Any(sal_Int32(2000))},
      {"TopMargin", uno::Any(sal_Int32(2000))},
      {"BottomMargin", uno::Any(sal_Int32(2000))},
      {"HeaderIsOn", uno::Any(false)},
      {"FooterIsOn", uno::Any(false)},
      {"PrintDownFirst", uno::Any(true)},
  };
  for (const auto& [name, value] : settings) {
    style->setPropertyValue(toUno(name), value);
  }
}

// How a saved file is protected, all with TestWorkbooks::kPassword.
enum class Protection { None, ToOpen, ToModify, Sheets };

// A file a workbook is saved as.
struct SavedAs {
  std::filesystem::path file;
  const char* filter;
  Protection protection = Protection::None;
};

constexpr const char* kXlsx = "Calc MS Excel 2007 XML";
constexpr const char* kXls = "MS Excel 97";

// The legacy Excel hash of a password to modify, the one the xlsx filter writes.
sal_Int32 excelPasswordHash(const std::string& password) {
  unsigned hash = 0;
  for (auto c = password.rbegin(); c != password.rend(); ++c) {
    hash = (((hash >> 14) & 1U) | ((hash << 1) & 0x7FFFU)) ^ static_cast<unsigned char>(*c);
  }
  hash = (((hash >> 14) & 1U) | ((hash << 1) & 0x7FFFU)) ^ 0xCE4BU ^ password.size();
  return static_cast<sal_Int32>(hash);
}

// Whether the office, asked to open the file for editing, opens it for reading only: what it
// does with a workbook that has a password to modify.
bool opensForReadingOnly(office::Office& office, const std::filesystem::path& file) {
  const auto document = office.desktop()->loadComponentFromURL(
      toUno(office::fileUrlFor(file.string())), toUno("_blank"), 0, {});
  const bool readOnly = as<css::frame::XStorable>(document)->isReadonly();
  as<css::util::XCloseable>(document)->close(true);
  return readOnly;
}

// Saves the document as the file, protected as asked; the document itself is left as it was.
void store(const uno::Reference<css::frame::XModel>& document, const SavedAs& saved) {
  const std::string password = TestWorkbooks::kPassword;
  std::vector<css::beans::PropertyValue> arguments{
      property("FilterName", uno::Any(toUno(saved.filter)))};
  const auto sheets =
      as<css::container::XIndexAccess>(as<css::sheet::XSpreadsheetDocument>(document)->getSheets());
  const auto protectSheets = [&](bool protect) {
    for (sal_Int32 i = 0; i < sheets->getCount(); ++i) {
      const auto sheet = as<css::util::XProtectable>(sheets->getByIndex(i));
      protect ? sheet->protect(toUno(password)) : sheet->unprotect(toUno(password));
    }
  };
  switch (saved.protection) {
    case Protection::None:
      break;
    case Protection::ToOpen: {  // the xlsx filter takes its key apart, the xls one a password
      const css::beans::NamedValue key[] = {{toUno("OOXPassword"), uno::Any(toUno(password))},
                                            {toUno("CryptoType"), uno::Any(toUno("Standard"))}};
      arguments.push_back(
          saved.filter == std::string(kXlsx)
              ? property("EncryptionData", uno::Any(uno::Sequence<css::beans::NamedValue>(key, 2)))
              : property("Password", uno::Any(toUno(password))));
      break;
    }
    case Protection::ToModify:
      arguments.push_back(property("ModifyPasswordInfo", uno::Any(excelPasswordHash(password))));
      break;
    case Protection::Sheets:
      protectSheets(true);
      break;
  }
  as<css::frame::XStorable>(document)->storeToURL(
      toUno(office::fileUrlFor(saved.file.string())),
      uno::Sequence<css::beans::PropertyValue>(arguments.data(),
                                               static_cast<sal_Int32>(arguments.size())));
  if (saved.protection == Protection::Sheets) {
    protectSheets(false);
  }
}

void makeWorkbook(office::Office& office, const std::vector<SheetRecipe>& recipes,
                  const std::vector<SavedAs>& files) {
  const auto document = office::addWorkbook({office.desktop()});
  const auto sheets = as<css::sheet::XSpreadsheetDocument>(document)->getSheets();
  const auto pageStyles = as<css::container::XNameContainer>(
      as<css::style::XStyleFamiliesSupplier>(document)->getStyleFamilies()->getByName(
          toUno("PageStyles")));
  for (std::size_t i = 0; i < recipes.size(); ++i) {
    const auto index = static_cast<sal_Int16>(i);
    if (i == 0) {
      as<css::container::XNamed>(as<css::container::XIndexAccess>(sheets)->getByIndex(0))
          ->setName(toUno(recipes[i].layout.name));
    } else {
      sheets->insertNewByName(toUno(recipes[i].layout.name), index);
    }
    const auto sheet =
        as<css::sheet::XSpreadsheet>(as<css::container::XIndexAccess>(sheets)->getByIndex(index));
    const std::string styleName = "Quirevo " + std::to_string(i + 1);
    pageStyles->insertByName(toUno(styleName),
                             uno::Any(as<css::lang::XMultiServiceFactory>(document)->createInstance(
                                 toUno("com.sun.star.style.PageStyle"))));
    const auto style = as<css::beans::XPropertySet>(pageStyles->getByName(toUno(styleName)));
    setPlainA4(style);
    as<css::beans::XPropertySet>(sheet)->setPropertyValue(toUno("PageStyle"),
                                                          uno::Any(toUno(styleName)));
    SheetBuilder builder(sheet, style);
    recipes[i].build(builder);
  }
  for (const SavedAs& saved : files) {
    store(document, saved);
  }
  as<css::util::XCloseable>(document)->close(true);
}

std::vector<SheetRecipe> layoutRecipes() {
  return {
      {{"Breaks", {{"Breaks-1"}, {"Breaks-2"}, {"Breaks-3"}}},
       [](SheetBuilder& s) {
         s.text(0, 0, "Breaks-1").text(0, 10, "Breaks-2").text(0, 20, "Breaks-3");
         s.rowBreak(10).rowBreak(20);
       }},
      {{"Grid", {{"Grid-1"}, {"Grid-2"}, {"Grid-3"}, {"Grid-4"}}},
       [](SheetBuilder& s) {
         s.text(0, 0, "Grid-1").text(0, 5, "Grid-2").text(3, 0, "Grid-3").text(3, 5, "Grid-4");
         s.rowBreak(5).columnBreak(3);
       }},
      {{"Wide", {{"Wide-1"}, {"Wide-2"}, {"Wide-3"}}},
       [](SheetBuilder& s) {
         for (int column = 0; column < 9; ++column) {
           s.columnWidth(column, 5000);  // three 5 cm columns to a 17 cm page
         }
         s.text(0, 0, "Wide-1").text(3, 0, "Wide-2").text(6, 0, "Wide-3");
       }},
      {{"Area", {{"Area-1"}}, {"Area-outside"}},
       [](SheetBuilder& s) {
         s.text(0, 0, "Area-1").text(7, 39, "Area-outside").printArea(0, 0, 2, 4);
       }},
      {{"Fit", {{"Fit-1", "Fit-end"}}},
       [](SheetBuilder& s) { s.text(0, 0, "Fit-1").text(11, 199, "Fit-end").fitToOnePage(); }},
      {{"Empty", {}}, [](SheetBuilder&) {}},
      {{"Hidden", {}, {"Hidden-1"}}, [](SheetBuilder& s) { s.text(0, 0, "Hidden-1").hide(); }},
      {{"Итоги", {{"Итоги-1"}, {"Итоги-2"}}},
       [](SheetBuilder& s) { s.text(0, 0, "Итоги-1").text(0, 10, "Итоги-2").rowBreak(10); }},
      {{"NoArea", {}, {"NoArea-outside"}},
       [](SheetBuilder& s) { s.text(0, 0, "NoArea-outside").printArea(4, 9, 5, 11); }},
  };
}

std::vector<SheetRecipe> threeSheetRecipes() {
  return {
      {{"Summary", {{"Summary-1"}}}, [](SheetBuilder& s) { s.text(0, 0, "Summary-1"); }},
      {{"Totals", {{"Totals-1"}, {"Totals-2"}, {"Totals-3"}}},
       [](SheetBuilder& s) {
         s.text(0, 0, "Totals-1").text(0, 10, "Totals-2").text(0, 20, "Totals-3");
         s.rowBreak(10).rowBreak(20);
       }},
      {{"Notes", {{"Notes-1"}, {"Notes-2"}}},
       [](SheetBuilder& s) { s.text(0, 0, "Notes-1").text(0, 10, "Notes-2").rowBreak(10); }},
  };
}

std::vector<SheetLayout> layoutsOf(const std::vector<SheetRecipe>& recipes) {
  std::vector<SheetLayout> layouts;
  for (const SheetRecipe& recipe : recipes) {
    layouts.push_back(recipe.layout);
  }
  return layouts;
}

}  // namespace

TestWorkbooks::TestWorkbooks() {
  char folder[] = "/tmp/quirevo-workbooks.XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    throw std::runtime_error("no folder for the test workbooks");
  }
  folder_ = folder;
  layoutsXlsx_ = {folder_ / "layouts.xlsx", layoutsOf(layoutRecipes())};
  layoutsXls_ = {folder_ / "layouts.xls", layoutsOf(layoutRecipes())};
  threeSheets_ = {folder_ / "three sheets.xlsx", layoutsOf(threeSheetRecipes())};
  protectedXlsx_ = folder_ / "protected.xlsx";
  protectedXls_ = folder_ / "protected.xls";
  passwordToModify_ = {folder_ / "password to modify.xlsx", layoutsOf(threeSheetRecipes())};
  protectedSheets_ = {folder_ / "protected sheets.xlsx", layoutsOf(threeSheetRecipes())};
  notAWorkbook_ = folder_ / "notes.txt";
  std::ofstream(notAWorkbook_) << "Just a line of text.\n";

  office::Office office{OfficeOptions{}};
  office.request([&] {
    makeWorkbook(office, layoutRecipes(), {{layoutsXlsx_.file, kXlsx}, {layoutsXls_.file, kXls}});
    makeWorkbook(office, threeSheetRecipes(),
                 {{threeSheets_.file, kXlsx},
                  {protectedXlsx_, kXlsx, Protection::ToOpen},
                  {protectedXls_, kXls, Protection::ToOpen},
                  {passwordToModify_.file, kXlsx, Protection::ToModify},
                  {protectedSheets_.file, kXlsx, Protection::Sheets}});
    // Should the office write the file without its password to modify, the tests that open it
    // would prove nothing.
    if (!opensForReadingOnly(office, passwordToModify_.file)) {
      throw std::runtime_error("the office saved a workbook without its password to modify");
    }
  });
}

TestWorkbooks::~TestWorkbooks() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void writeOnePageSheets(const std::filesystem::path& file, int count) {
  std::vector<SheetRecipe> recipes;
  for (int i = 1; i <= count; ++i) {
    const std::string name = "Sheet" + std::to_string(i);
    recipes.push_back({{name, {{name}}}, [name](SheetBuilder& s) { s.text(0, 0, name); }});
  }
  office::Office office{OfficeOptions{}};
  office.request([&] { makeWorkbook(office, recipes, {{file, "Calc MS Excel 2007 XML"}}); });
}

void writeLargeSheet(const std::filesystem::path& file, int rows) {
  constexpr int kColumns = 12;
  constexpr int kRowsAtOnce = 10'000;
  office::Office office{OfficeOptions{}};
  office.request([&] {
    const auto document = office::addWorkbook({office.desktop()});
    const auto sheet = as<css::sheet::XSpreadsheet>(
        as<css::container::XIndexAccess>(
            as<css::sheet::XSpreadsheetDocument>(document)->getSheets())
            ->getByIndex(0));
    for (int first = 0; first < rows; first += kRowsAtOnce) {
      const int count = std::min(kRowsAtOnce, rows - first);
      uno::Sequence<uno::Sequence<uno::Any>> values(count);
      for (int row = 0; row < count; ++row) {
        uno::Sequence<uno::Any> line(kColumns);
        for (int column = 0; column < kColumns; ++column) {
          line.getArray()[column] <<= double((first + row) * kColumns + column);
        }
        values.getArray()[row] = line;
      }
      as<css::sheet::XCellRangeData>(
          sheet->getCellRangeByPosition(0, first, kColumns - 1, first + count - 1))
          ->setDataArray(values);
    }
    store(document, {file, kXlsx});
    as<css::util::XCloseable>(document)->close(true);
  });
}

std::vector<std::string> allTexts(const TestWorkbook& workbook) {
  std::vector<std::string> texts;
  for (const SheetLayout& sheet : workbook.sheets) {
    for (const auto& page : sheet.pages) {
      texts.insert(texts.end(), page.begin(), page.end());
    }
    texts.insert(texts.end(), sheet.unprinted.begin(), sheet.unprinted.end());
  }
  return texts;
}

}  // namespace quirevo::testing
