#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/request_lists.h"
#include "tests/support/window_fixture.h"
#include "workbook/information_texts.h"

namespace quirevo::testing {
namespace {

using Lines = std::vector<std::string>;

Requests closeAndOpen(const std::string& fileName) {
  return {"get ActiveWorkbook", "method Close", "get Workbooks",
          "method Open(Filename: string \"" + fileName + "\")"};
}

Requests sheetCount() {
  return {"get Sheets", "get count"};
}

Requests sheetName(int sheet) {
  return {"get Sheets", "indexed get Item(int " + std::to_string(sheet) + ")", "get name"};
}

Requests pageCount(int sheet) {
  return {"get Sheets", "indexed get Item(int " + std::to_string(sheet) + ")", "get PageSetup",
          "get Pages", "get Count"};
}

// Name, then page count, sheet after sheet: the path to a sheet is walked twice.
Requests listing(int sheets) {
  Requests all = sheetCount();
  for (int i = 1; i <= sheets; ++i) {
    all = join({all, sheetName(i), pageCount(i)});
  }
  return all;
}

WorkbookContent sheetsNamed(std::vector<SheetContent> sheets) {
  return {std::move(sheets), {}};
}

std::string englishLine(int sheet, const std::string& name, int pages) {
  return "Sheet №" + std::to_string(sheet) + " - Sheets name: " + name +
         " - Num pages: " + std::to_string(pages);
}

class Loading : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    standIn().addFile("first.xlsx", sheetsNamed({{"Old", Variant::integer(1)}}));
  }

  void chooseLanguage(int index) {
    window().ComboBox1.userSelectItem(index);
    messages().clear();  // the captions' language files are not what this suite is about
    standIn().clearLog();
  }

  void type(const std::string& text) { window().Edit1.userEdit(text); }
  const Lines& list() { return window().ListBox1.items(); }
  bool printEnabled() { return window().BitBtn1.enabled(); }

  // English list of "first.xlsx", so a later run shows whether it touched the list.
  void startWithFirstBook() {
    start();
    chooseLanguage(0);
    type("first.xlsx");
    ASSERT_EQ(list(), (Lines{"File information", englishLine(1, "Old", 1)}));
    ASSERT_TRUE(messages().empty());
    standIn().clearLog();
  }
};

struct LanguageCase {
  const char* name;
  int index;
  Lines expected;
};

const LanguageCase kLanguages[] = {
    {"English",
     0,
     {"File information", "Sheet №1 - Sheets name: Summary - Num pages: 1",
      "Sheet №2 - Sheets name: Totals - Num pages: 3"}},
    {"Russian",
     1,
     {"Информация о файле", "Лист №1 - Имя листа: Summary - Кол-во стр.: 1",
      "Лист №2 - Имя листа: Totals - Кол-во стр.: 3"}},
    {"Ukrainian",
     2,
     {"Інформація про файл", "Аркуш №1 - Имя аркуша: Summary - Кіл-сть стр.: 1",
      "Аркуш №2 - Имя аркуша: Totals - Кіл-сть стр.: 3"}},
};

void PrintTo(const LanguageCase& row, std::ostream* os) {
  *os << row.name;
}

class LoadingLanguage : public Loading, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LoadingLanguage, ListsHeadingAndOneLinePerSheetInTheChosenLanguage) {
  standIn().addFile("report.xlsx", sheetsNamed({{"Summary", Variant::integer(1)},
                                                {"Totals", Variant::integer(3)}}));
  start();
  chooseLanguage(GetParam().index);

  type("report.xlsx");

  EXPECT_EQ(list(), GetParam().expected);
  EXPECT_EQ(standIn().requests(), join({closeAndOpen("report.xlsx"), listing(2)}));
  EXPECT_EQ(standIn().activeWorkbook(), "report.xlsx");
  EXPECT_EQ(standIn().openWorkbooks(), std::vector<std::string>{"report.xlsx"});
  EXPECT_TRUE(printEnabled());
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

INSTANTIATE_TEST_SUITE_P(Languages, LoadingLanguage, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InformationTexts, ExistOnlyForTheThreeLanguages) {
  for (const int index : {-1, 3, 4, 100}) {
    EXPECT_EQ(informationTexts(index), nullptr) << index;
  }
}

class LoadingSheetCount : public Loading, public ::testing::WithParamInterface<int> {};

TEST_P(LoadingSheetCount, Sends6Plus8RequestsPerSheetInOrder) {
  const int count = GetParam();
  std::vector<SheetContent> sheets;
  Lines expected{"File information"};
  for (int i = 1; i <= count; ++i) {
    sheets.push_back({"Name" + std::to_string(i), Variant::integer(i + 1)});
    expected.push_back(englishLine(i, "Name" + std::to_string(i), i + 1));
  }
  standIn().addFile("book.xlsx", sheetsNamed(sheets));
  start();
  chooseLanguage(0);

  type("book.xlsx");

  EXPECT_EQ(standIn().requestCount(), static_cast<std::size_t>(6 + 8 * count));
  EXPECT_EQ(standIn().requests(), join({closeAndOpen("book.xlsx"), listing(count)}));
  EXPECT_EQ(list(), expected);
  expectOnlySessionReference();
}

INSTANTIATE_TEST_SUITE_P(Sheets, LoadingSheetCount, ::testing::Values(0, 1, 3, 12),
                         [](const auto& info) { return std::to_string(info.param) + "Sheets"; });

TEST_F(Loading, WritesNamesUnchangedAndNumbersInPlainDecimal) {
  std::vector<SheetContent> sheets{{"007", Variant::integer(12)},
                                   {"", Variant::integer(4)},
                                   {"  Spaced  ", Variant::integer(0)},
                                   {"Text count", Variant::string("07")}};
  for (int i = 5; i <= 10; ++i) {
    sheets.push_back({"Sheet" + std::to_string(i), Variant::integer(1)});
  }
  standIn().addFile("book.xlsx", sheetsNamed(sheets));
  start();
  chooseLanguage(0);

  type("book.xlsx");

  ASSERT_EQ(list().size(), 11u);
  EXPECT_EQ(list()[1], "Sheet №1 - Sheets name: 007 - Num pages: 12");
  EXPECT_EQ(list()[2], "Sheet №2 - Sheets name:  - Num pages: 4");
  EXPECT_EQ(list()[3], "Sheet №3 - Sheets name:   Spaced   - Num pages: 0");
  EXPECT_EQ(list()[4], "Sheet №4 - Sheets name: Text count - Num pages: 7");
  EXPECT_EQ(list()[10], "Sheet №10 - Sheets name: Sheet10 - Num pages: 1");
  expectOnlySessionReference();
}

TEST_F(Loading, SheetCountReportedAsTextOrNegative) {
  standIn().addFile("text.xlsx", {{{"A", Variant::integer(2)}}, Variant::string("1")});
  standIn().addFile("negative.xlsx", {{{"A", Variant::integer(2)}}, Variant::integer(-1)});
  start();
  chooseLanguage(0);

  type("text.xlsx");
  EXPECT_EQ(list(), (Lines{"File information", englishLine(1, "A", 2)}));

  standIn().clearLog();
  type("negative.xlsx");
  EXPECT_EQ(list(), Lines{"File information"});
  EXPECT_EQ(standIn().requests(), join({closeAndOpen("negative.xlsx"), sheetCount()}));
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

TEST_F(Loading, NoLanguageChosenOpensButLeavesTheListEmpty) {
  standIn().addFile("book.xlsx", sheetsNamed({{"A", Variant::integer(1)}}));
  startWithFirstBook();
  window().ComboBox1.userEdit("Eng");  // an edited text selects no item
  ASSERT_EQ(window().ComboBox1.itemIndex(), -1);
  messages().clear();
  standIn().clearLog();

  type("book.xlsx");

  EXPECT_EQ(standIn().requests(), closeAndOpen("book.xlsx"));
  EXPECT_TRUE(list().empty());
  EXPECT_EQ(standIn().activeWorkbook(), "book.xlsx");
  EXPECT_TRUE(printEnabled());
  expectOnlySessionReference();
}

TEST_F(Loading, AtStartNoLanguageIsChosen) {
  standIn().addFile("book.xlsx", sheetsNamed({{"A", Variant::integer(1)}}));
  start();

  type("book.xlsx");

  EXPECT_EQ(standIn().requests(), closeAndOpen("book.xlsx"));
  EXPECT_TRUE(list().empty());
  expectOnlySessionReference();
}

TEST_F(Loading, EmptyFieldDisablesPrintingAndEmptiesTheListWithoutARequest) {
  startWithFirstBook();

  type("");

  EXPECT_FALSE(printEnabled());
  EXPECT_TRUE(list().empty());
  EXPECT_TRUE(standIn().requests().empty());
  EXPECT_EQ(standIn().activeWorkbook(), "first.xlsx");

  type("first.xlsx");
  EXPECT_TRUE(printEnabled());
  EXPECT_EQ(list().size(), 2u);
  expectOnlySessionReference();
}

TEST_F(Loading, SpacesOnlyAreAName) {
  standIn().addFile("   ", sheetsNamed({{"Blank", Variant::integer(2)}}));
  startWithFirstBook();

  type("   ");

  EXPECT_EQ(standIn().requests(), join({closeAndOpen("   "), listing(1)}));
  EXPECT_EQ(standIn().activeWorkbook(), "   ");
  EXPECT_EQ(list(), (Lines{"File information", englishLine(1, "Blank", 2)}));
  EXPECT_TRUE(printEnabled());
  expectOnlySessionReference();
}

TEST_F(Loading, SameNameFromTheFileChooserRunsNothing) {
  startWithFirstBook();
  fake.desktop.dialogAnswers = {"first.xlsx"};

  window().SpeedButton1.userClick();

  EXPECT_TRUE(standIn().requests().empty());
  EXPECT_EQ(list(), (Lines{"File information", englishLine(1, "Old", 1)}));
  expectOnlySessionReference();
}

TEST_F(Loading, LanguageSwitchKeepsTheListUntilTheFieldChanges) {
  standIn().addFile("book.xlsx", sheetsNamed({{"Totals", Variant::integer(3)}}));
  startWithFirstBook();

  chooseLanguage(1);
  EXPECT_EQ(list(), (Lines{"File information", englishLine(1, "Old", 1)}));
  EXPECT_TRUE(standIn().requests().empty());

  type("book.xlsx");
  EXPECT_EQ(list(), (Lines{"Информация о файле", "Лист №1 - Имя листа: Totals - Кол-во стр.: 3"}));
  expectOnlySessionReference();
}

std::string notFound(const std::string& fileName) {
  return "Sorry, we couldn't find " + fileName +
         ". Is it possible it was moved, renamed or deleted?.";
}

// A path typed by hand: every keystroke before the last fails to open, and the next keystroke
// finds no active workbook; it must still go on to the open.
TEST_F(Loading, TypingAPathByHandOpensItOnceComplete) {
  const std::string path = "b.xlsx";
  standIn().addFile(path, sheetsNamed({{"Only", Variant::integer(2)}}));
  start();
  chooseLanguage(0);

  std::vector<ShownMessage> expectedMessages;
  for (std::size_t length = 1; length <= path.size(); ++length) {
    const std::string typed = path.substr(0, length);
    standIn().clearLog();
    type(typed);
    if (length < path.size()) {
      expectedMessages.push_back(errorBox(notFound(typed)));
    }
    if (length > 1) {
      EXPECT_EQ(standIn().requests().at(0), "get ActiveWorkbook");
      EXPECT_EQ(standIn().requests().at(1), "get Workbooks") << "no close without a workbook";
    }
    expectOnlySessionReference();
  }

  EXPECT_EQ(messages(), expectedMessages);
  EXPECT_EQ(standIn().requests(), join({{"get ActiveWorkbook", "get Workbooks",
                                         "method Open(Filename: string \"" + path + "\")"},
                                        listing(1)}));
  EXPECT_EQ(standIn().openWorkbooks(), std::vector<std::string>{path});
  EXPECT_EQ(list(), (Lines{"File information", englishLine(1, "Only", 2)}));
  EXPECT_TRUE(printEnabled());
}

struct FailureCase {
  const char* name;
  WorkbookContent second;
  std::function<void(SpreadsheetStandIn&)> fail;
  Requests expected;  // after the close and open of "second.xlsx"
  std::string message;
  Lines list;
  std::optional<std::string> active;
};

const Lines kFirstLines{"File information", "Sheet №1 - Sheets name: Old - Num pages: 1"};

const WorkbookContent kTwoSheets{{{"One", Variant::integer(1)}, {"Two", Variant::integer(2)}}, {}};

const FailureCase kFailures[] = {
    {"AtCloseNothingElseHappens",
     kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("Close", "The workbook is busy."); },
     {"get ActiveWorkbook", "method Close"},
     "The workbook is busy.",
     kFirstLines,
     "first.xlsx"},
    {"AtOpenTheClosedBooksLinesStay", kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("Open", "The file is damaged"); },
     closeAndOpen("second.xlsx"), "The file is damaged.", kFirstLines, std::nullopt},
    {"AtSheetCountOnlyTheHeadingIsListed",
     kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("count", "Sheets are unavailable"); },
     join({closeAndOpen("second.xlsx"), sheetCount()}),
     "Sheets are unavailable.",
     {"File information"},
     "second.xlsx"},
    {"SheetCountIsNoInteger",
     {kTwoSheets.sheets, Variant::string("two")},
     [](SpreadsheetStandIn&) {},
     join({closeAndOpen("second.xlsx"), sheetCount()}),
     "Could not convert variant of type (String) into type (Integer)",
     {"File information"},
     "second.xlsx"},
    {"AtSecondNameTheFirstLineStays",
     kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("name", "Name is unavailable", 1); },
     join({closeAndOpen("second.xlsx"), listing(1), sheetName(2)}),
     "Name is unavailable.",
     {"File information", englishLine(1, "One", 1)},
     "second.xlsx"},
    // The sheets' "count" shares its name with the pages' "Count": skip it and sheet 1's.
    {"AtSecondPageCountTheFirstLineStays",
     kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("Count", "Pages are unavailable", 2); },
     join({closeAndOpen("second.xlsx"), listing(1), sheetName(2), pageCount(2)}),
     "Pages are unavailable.",
     {"File information", englishLine(1, "One", 1)},
     "second.xlsx"},
    {"AtFirstPageSetup",
     kTwoSheets,
     [](SpreadsheetStandIn& s) { s.failAt("PageSetup", "No page setup"); },
     join({closeAndOpen("second.xlsx"),
           sheetCount(),
           sheetName(1),
           {"get Sheets", "indexed get Item(int 1)", "get PageSetup"}}),
     "No page setup.",
     {"File information"},
     "second.xlsx"},
    {"PageCountIsNoInteger",
     {{{"One", Variant::integer(1)}, {"Two", Variant::string("n/a")}}, {}},
     [](SpreadsheetStandIn&) {},
     join({closeAndOpen("second.xlsx"), listing(2)}),
     "Could not convert variant of type (String) into type (Integer)",
     {"File information", englishLine(1, "One", 1)},
     "second.xlsx"},
    {"CountBeyondTheSheetsFailsAtTheMissingSheet",
     {kTwoSheets.sheets, Variant::integer(3)},
     [](SpreadsheetStandIn&) {},
     join({closeAndOpen("second.xlsx"), listing(2), {"get Sheets", "indexed get Item(int 3)"}}),
     "Invalid index.",
     {"File information", englishLine(1, "One", 1), englishLine(2, "Two", 2)},
     "second.xlsx"},
};

void PrintTo(const FailureCase& row, std::ostream* os) {
  *os << row.name;
}

class LoadingFailure : public Loading, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LoadingFailure, ReportsTheFailuresOwnMessageAndStopsAtItsStep) {
  const FailureCase& row = GetParam();
  standIn().addFile("second.xlsx", row.second);
  startWithFirstBook();
  row.fail(standIn());

  type("second.xlsx");

  EXPECT_EQ(messages(), std::vector{errorBox(row.message)});
  EXPECT_EQ(standIn().requests(), row.expected);
  EXPECT_EQ(list(), row.list);
  EXPECT_TRUE(printEnabled());
  EXPECT_EQ(standIn().activeWorkbook(), row.active);
  expectOnlySessionReference();
}

INSTANTIATE_TEST_SUITE_P(Steps, LoadingFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Loading, FailedOpenFromADisabledButtonStillEnablesIt) {
  startWithFirstBook();
  type("");
  ASSERT_FALSE(printEnabled());

  type("missing.xlsx");

  EXPECT_TRUE(printEnabled());
  EXPECT_EQ(messages(), std::vector{errorBox(notFound("missing.xlsx"))});
  EXPECT_TRUE(list().empty());
  EXPECT_EQ(standIn().activeWorkbook(), std::nullopt);
  expectOnlySessionReference();
}

TEST_F(Loading, WithoutASessionTheRunReportsAnInvalidOperation) {
  fake.printers.printer.reset();  // start-up stops before it creates the session
  standIn().addFile("book.xlsx", sheetsNamed({{"A", Variant::integer(1)}}));
  start();
  messages().clear();

  type("book.xlsx");

  EXPECT_EQ(messages(), std::vector{errorBox("Invalid variant operation.")});
  EXPECT_TRUE(standIn().requests().empty());
  EXPECT_TRUE(printEnabled());
  expectOnlySessionReference();
}

}  // namespace
}  // namespace quirevo::testing
