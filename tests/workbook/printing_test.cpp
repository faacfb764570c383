#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/request_lists.h"
#include "tests/support/window_fixture.h"

namespace quirevo::testing {
namespace {

const std::string kPrinter = "Office Laser";

Requests sheetCount() {
  return {"get Sheets", "get count"};
}

Requests pageCount(int sheet) {
  return {"get Sheets", "indexed get Item(int& " + std::to_string(sheet) + ")", "get PageSetup",
          "get Pages", "get Count"};
}

std::string printOut(const std::string& from, int to, int copies, const std::string& printer) {
  return "method PrintOut(" + from + ", int& " + std::to_string(to) + ", int& " +
         std::to_string(copies) + ", bool false, string& \"" + printer +
         "\", bool false, bool false)";
}

// A whole sheet starts at the constant page 1, passed by value.
Requests wholeSheet(int sheet, int lastPage = 1, int copies = 1,
                    const std::string& printer = kPrinter) {
  return {"get Sheets", "indexed get Item(int& " + std::to_string(sheet) + ")",
          printOut("int 1", lastPage, copies, printer)};
}

Requests pages(int sheet, int first, int last, int copies = 1) {
  return {"get Sheets", "indexed get Item(int& " + std::to_string(sheet) + ")",
          printOut("int& " + std::to_string(first), last, copies, kPrinter)};
}

// Sheets "S1", "S2", ... with the given page counts.
WorkbookContent book(std::vector<Variant> pageCounts) {
  WorkbookContent content;
  for (std::size_t i = 0; i < pageCounts.size(); ++i) {
    content.sheets.push_back({"S" + std::to_string(i + 1), pageCounts[i]});
  }
  return content;
}

WorkbookContent sheets(int count) {
  return book(std::vector<Variant>(static_cast<std::size_t>(count), Variant::integer(1)));
}

WorkbookContent reportingCount(WorkbookContent content, Variant count) {
  content.reportedCount = std::move(count);
  return content;
}

std::vector<int> printedSheets(const std::vector<PrintJob>& jobs) {
  std::vector<int> printed;
  for (const PrintJob& job : jobs) {
    printed.push_back(job.sheet);
  }
  return printed;
}

class Printing : public WindowFixture {
 protected:
  // Starts the window and opens the workbook through the file field, then forgets what that
  // asked for, so a test sees only its press.
  void openBook(WorkbookContent content) {
    standIn().addFile("book.xlsx", std::move(content));
    start();
    window().Edit1.userEdit("book.xlsx");
    ASSERT_TRUE(messages().empty());
    ASSERT_EQ(standIn().activeWorkbook(), "book.xlsx");
    standIn().clearLog();
  }

  void press() { window().BitBtn1.userClick(); }
};

using Arrange = std::function<void(TForm1&)>;

void pageMode(TForm1& w) {
  w.RadioButton2.userClick();
}

struct PrintCase {
  const char* name;
  WorkbookContent book;
  Arrange arrange;
  Requests expected;
};

const PrintCase kSheetRows[] = {
    {"StartStateOfThreeSheetsPrintsPageOneOfEach", sheets(3), [](TForm1&) {},
     join({sheetCount(), wholeSheet(1), wholeSheet(2), wholeSheet(3)})},
    {"AllSheetsUsePagesPerSheetAndCopies", book({Variant::integer(5), Variant::integer(1)}),
     [](TForm1& w) {
       w.SpinEdit4.userEdit("2");
       w.SpinEdit5.userEdit("3");
     },
     join({sheetCount(), wholeSheet(1, 2, 3), wholeSheet(2, 2, 3)})},
    {"AllSheetsOfACountReadingZero", reportingCount(sheets(2), Variant::integer(0)), [](TForm1&) {},
     sheetCount()},
    {"OneSheetWithPagesAndCopies", sheets(3),
     [](TForm1& w) {
       w.RadioButton4.userClick();
       w.SpinEdit1.userEdit("2");
       w.SpinEdit4.userEdit("3");
       w.SpinEdit5.userEdit("2");
     },
     wholeSheet(2, 3, 2)},
    {"SheetsFromTwoToTwo", sheets(3),
     [](TForm1& w) {
       w.RadioButton5.userClick();
       w.SpinEdit3.userEdit("2");
       w.SpinEdit2.userEdit("2");
     },
     wholeSheet(2)},
    {"SheetsFromFourToTwoRequestNothing",
     sheets(5),
     [](TForm1& w) {
       w.RadioButton5.userClick();
       w.SpinEdit3.userEdit("4");
       w.SpinEdit2.userEdit("2");
     },
     {}},
    {"SheetsFromOneToThreeWithCopies", sheets(3),
     [](TForm1& w) {
       w.RadioButton5.userClick();
       w.SpinEdit3.userEdit("1");
       w.SpinEdit2.userEdit("3");
       w.SpinEdit5.userEdit("2");
     },
     join({wholeSheet(1, 1, 2), wholeSheet(2, 1, 2), wholeSheet(3, 1, 2)})},
    {"EvenSheetsOfOne", sheets(1), [](TForm1& w) { w.RadioButton6.userClick(); }, sheetCount()},
    {"EvenSheetsOfFive", sheets(5), [](TForm1& w) { w.RadioButton6.userClick(); },
     join({sheetCount(), wholeSheet(2), wholeSheet(4)})},
    {"EvenSheetsOfACountReadingZero", reportingCount(sheets(2), Variant::integer(0)),
     [](TForm1& w) { w.RadioButton6.userClick(); }, sheetCount()},
    {"OddSheetsOfOne", sheets(1), [](TForm1& w) { w.RadioButton7.userClick(); },
     join({sheetCount(), wholeSheet(1)})},
    {"OddSheetsOfFive", sheets(5), [](TForm1& w) { w.RadioButton7.userClick(); },
     join({sheetCount(), wholeSheet(1), wholeSheet(3), wholeSheet(5)})},
    {"OddSheetsOfACountReadingZero", reportingCount(sheets(2), Variant::integer(0)),
     [](TForm1& w) { w.RadioButton7.userClick(); }, sheetCount()},
    {"SheetCountReportedAsText", reportingCount(sheets(2), Variant::string("2")), [](TForm1&) {},
     join({sheetCount(), wholeSheet(1), wholeSheet(2)})},
    {"NoSheetChoiceCheckedRequestsNothing",
     sheets(3),
     [](TForm1& w) { w.RadioButton3.setChecked(false); },
     {}},
    {"EmptySpinEditsCountAsOne", sheets(3),
     [](TForm1& w) {
       w.RadioButton4.userClick();
       w.SpinEdit1.userEdit("");
       w.SpinEdit4.userEdit("");
       w.SpinEdit5.userEdit("-");
     },
     wholeSheet(1)},
    {"ValuesOutsideTheSpinRangeAreSentUnbounded", sheets(3),
     [](TForm1& w) {
       w.RadioButton4.userClick();
       w.SpinEdit4.userEdit("0");
       w.SpinEdit5.userEdit("-2");
     },
     wholeSheet(1, 0, -2)},
    {"PrinterIsThePanelsTextAtThePress", sheets(1),
     [](TForm1& w) { w.Panel1.setCaption("Принтер на 2-м этаже"); },
     join({sheetCount(), wholeSheet(1, 1, 1, "Принтер на 2-м этаже")})},
};

const PrintCase kPageRows[] = {
    {"AllPagesOfFourWithCopies", book({Variant::integer(2), Variant::integer(4)}),
     [](TForm1& w) {
       pageMode(w);
       w.SpinEdit6.userEdit("2");
       w.SpinEdit10.userEdit("2");
       // Sheet mode's values take no part in page mode.
       w.SpinEdit4.userEdit("8");
       w.SpinEdit5.userEdit("9");
     },
     join({pageCount(2), pages(2, 1, 4, 2)})},
    {"AllPagesOfZeroStillSendOneRequest", book({Variant::integer(0)}),
     [](TForm1& w) { pageMode(w); }, join({pageCount(1), pages(1, 1, 0)})},
    {"OnePage", book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton9.userClick();
       w.SpinEdit7.userEdit("3");
     },
     pages(1, 3, 3)},
    {"PagesFromTwoToFour", book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton10.userClick();
       w.SpinEdit8.userEdit("2");
       w.SpinEdit9.userEdit("4");
     },
     pages(1, 2, 4)},
    {"PagesFromFiveToTwoAreSentAsIs", book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton10.userClick();
       w.SpinEdit8.userEdit("5");
       w.SpinEdit9.userEdit("2");
     },
     pages(1, 5, 2)},
    {"EvenPagesOfFive", book({Variant::integer(1), Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton11.userClick();
       w.SpinEdit6.userEdit("2");
     },
     join({pageCount(2), pages(2, 2, 2), pages(2, 4, 4)})},
    {"EvenPagesOfOne", book({Variant::integer(1)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton11.userClick();
     },
     pageCount(1)},
    {"EvenPagesOfZero", book({Variant::integer(0)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton11.userClick();
     },
     pageCount(1)},
    {"OddPagesOfFive", book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton12.userClick();
       w.SpinEdit10.userEdit("3");
     },
     join({pageCount(1), pages(1, 1, 1, 3), pages(1, 3, 3, 3), pages(1, 5, 5, 3)})},
    {"OddPagesOfOne", book({Variant::integer(1)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton12.userClick();
     },
     join({pageCount(1), pages(1, 1, 1)})},
    {"OddPagesOfZero", book({Variant::integer(0)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton12.userClick();
     },
     pageCount(1)},
    {"EmptySpinEditsCountAsOne", book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton10.userClick();
       w.SpinEdit6.userEdit("");
       w.SpinEdit8.userEdit("-");
       w.SpinEdit9.userEdit("+");
       w.SpinEdit10.userEdit("");
     },
     pages(1, 1, 1)},
    {"NoPageChoiceCheckedRequestsNothing",
     book({Variant::integer(5)}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton8.setChecked(false);
     },
     {}},
};

void PrintTo(const PrintCase& row, std::ostream* os) {
  *os << row.name;
}

class PrintRow : public Printing, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintRow, SendsExactlyTheRequestsOfItsRow) {
  const PrintCase& row = GetParam();
  openBook(row.book);
  row.arrange(window());

  press();

  EXPECT_EQ(standIn().requests(), row.expected);
  EXPECT_TRUE(messages().empty());
  for (const PrintJob& job : standIn().printJobs()) {
    EXPECT_EQ(job.workbook, "book.xlsx");
  }
  expectOnlySessionReference();
}

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(SheetMode, PrintRow, ::testing::ValuesIn(kSheetRows), kRowName);
INSTANTIATE_TEST_SUITE_P(PageMode, PrintRow, ::testing::ValuesIn(kPageRows), kRowName);

struct RefusalCase {
  const char* name;
  WorkbookContent book;
  Arrange arrange;
  std::function<void(SpreadsheetStandIn&)> fail;
  Requests expected;
  std::string message;
  std::vector<int> printed;
};

const RefusalCase kRefusals[] = {
    {"SheetFourOfTwoToFiveOnThreeSheets",
     sheets(3),
     [](TForm1& w) {
       w.RadioButton5.userClick();
       w.SpinEdit3.userEdit("2");
       w.SpinEdit2.userEdit("5");
     },
     [](SpreadsheetStandIn&) {},
     join({wholeSheet(2), wholeSheet(3), {"get Sheets", "indexed get Item(int& 4)"}}),
     "Invalid index.",
     {2, 3}},
    {"OneSheetBeyondTheCount",
     sheets(3),
     [](TForm1& w) {
       w.RadioButton4.userClick();
       w.SpinEdit1.userEdit("7");
     },
     [](SpreadsheetStandIn&) {},
     {"get Sheets", "indexed get Item(int& 7)"},
     "Invalid index.",
     {}},
    {"PrinterRefusesTheSecondSheet",
     sheets(3),
     [](TForm1&) {},
     [](SpreadsheetStandIn& s) { s.failAt("PrintOut", "The printer is not ready", 1); },
     join({sheetCount(), wholeSheet(1), wholeSheet(2)}),
     "The printer is not ready.",
     {1}},
    {"SheetCountFails",
     sheets(3),
     [](TForm1& w) { w.RadioButton7.userClick(); },
     [](SpreadsheetStandIn& s) { s.failAt("count", "Sheets are unavailable. "); },
     sheetCount(),
     "Sheets are unavailable.",
     {}},
    {"PageCountFails",
     book({Variant::integer(4)}),
     [](TForm1& w) { pageMode(w); },
     [](SpreadsheetStandIn& s) { s.failAt("Pages", "Page setup is unavailable"); },
     {"get Sheets", "indexed get Item(int& 1)", "get PageSetup", "get Pages"},
     "Page setup is unavailable.",
     {}},
    {"PageCountIsNoInteger",
     book({Variant::string("many")}),
     [](TForm1& w) {
       pageMode(w);
       w.RadioButton11.userClick();
     },
     [](SpreadsheetStandIn&) {},
     pageCount(1),
     "Could not convert variant of type (String) into type (Integer)",
     {}},
};

void PrintTo(const RefusalCase& row, std::ostream* os) {
  *os << row.name;
}

class PrintRefusal : public Printing, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PrintRefusal, EndsThePressAtTheRefusedCallWithItsMessage) {
  const RefusalCase& row = GetParam();
  openBook(row.book);
  row.arrange(window());
  row.fail(standIn());

  press();

  EXPECT_EQ(standIn().requests(), row.expected);
  EXPECT_EQ(messages(), std::vector{errorBox(row.message)});
  EXPECT_EQ(printedSheets(standIn().printJobs()), row.printed);
  expectOnlySessionReference();
}

INSTANTIATE_TEST_SUITE_P(Refusals, PrintRefusal, ::testing::ValuesIn(kRefusals), kRowName);

TEST_F(Printing, PreviewBoxChangesNoRequest) {
  openBook(sheets(2));
  const Requests expected = join({sheetCount(), wholeSheet(1), wholeSheet(2)});
  for (const bool preview : {true, false}) {
    window().CheckBox1.userClick();
    ASSERT_EQ(window().CheckBox1.checked(), preview);
    standIn().clearLog();
    press();
    EXPECT_EQ(standIn().requests(), expected) << "preview " << preview;
  }
  for (const PrintJob& job : standIn().printJobs()) {
    EXPECT_FALSE(job.preview);
    EXPECT_FALSE(job.printToFile);
    EXPECT_FALSE(job.collate);
  }
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

TEST_F(Printing, PressBeforeAnyFileAddressesTheStartUpWorkbook) {
  standIn().setNewWorkbook(sheets(3));
  start();

  press();

  EXPECT_EQ(standIn().requests(),
            join({sheetCount(), wholeSheet(1), wholeSheet(2), wholeSheet(3)}));
  const PrintJob first{"", 1, 1, 1, 1, false, kPrinter, false, false};
  PrintJob second = first;
  second.sheet = 2;
  PrintJob third = first;
  third.sheet = 3;
  EXPECT_EQ(standIn().printJobs(), (std::vector{first, second, third}));
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

TEST_F(Printing, EachPressReadsTheWindowAndTheWorkbookAfresh) {
  standIn().addFile("two.xlsx", sheets(2));
  openBook(sheets(1));
  press();
  window().SpinEdit5.userEdit("3");
  window().Edit1.userEdit("two.xlsx");
  standIn().clearLog();

  press();

  EXPECT_EQ(standIn().requests(), join({sheetCount(), wholeSheet(1, 1, 3), wholeSheet(2, 1, 3)}));
  EXPECT_EQ(standIn().printJobs().back().workbook, "two.xlsx");
  expectOnlySessionReference();
}

// Every property a press could disturb, control by control.
std::vector<std::string> windowState(TForm1& w) {
  std::vector<std::string> state;
  for (Control* control : w.allControls()) {
    std::string line = control->name() + " text=" + control->text() +
                       " enabled=" + std::to_string(control->enabled()) +
                       " visible=" + std::to_string(control->visible());
    if (const auto* radio = dynamic_cast<const RadioButton*>(control)) {
      line += " checked=" + std::to_string(radio->checked());
    }
    if (const auto* box = dynamic_cast<const CheckBox*>(control)) {
      line += " checked=" + std::to_string(box->checked());
    }
    if (const auto* combo = dynamic_cast<const ComboBox*>(control)) {
      line += " index=" + std::to_string(combo->itemIndex());
    }
    if (const auto* list = dynamic_cast<const ListBox*>(control)) {
      line += " index=" + std::to_string(list->itemIndex());
      for (const std::string& item : list->items()) {
        line += " | " + item;
      }
    }
    state.push_back(std::move(line));
  }
  return state;
}

TEST_F(Printing, PressChangesNoControlAndNoListLine) {
  standIn().addFile("book.xlsx", sheets(3));
  start();
  window().ComboBox1.userSelectItem(0);
  messages().clear();  // the captions' language files are not what this test is about
  window().Edit1.userEdit("book.xlsx");
  window().RadioButton5.userClick();
  window().SpinEdit3.userEdit("2");
  window().SpinEdit2.userEdit("4");
  ASSERT_EQ(window().ListBox1.items().size(), 4u);
  const std::vector<std::string> before = windowState(window());

  press();
  EXPECT_EQ(windowState(window()), before) << "after a refused press";
  EXPECT_EQ(messages(), std::vector{errorBox("Invalid index.")});

  window().SpinEdit2.userEdit("3");
  const std::vector<std::string> beforeSuccess = windowState(window());
  messages().clear();
  press();
  EXPECT_EQ(windowState(window()), beforeSuccess) << "after a successful press";
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

}  // namespace
}  // namespace quirevo::testing
