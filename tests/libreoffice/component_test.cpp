// The component against the real office: what it reports of real workbooks, and what lands on
// the printer when it prints them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "automation/automation_error.h"
#include "platform/cups/cups_printer_list.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_session.h"

namespace quirevo::testing {
namespace {

PrintServer& printer() {
  return OfficeEnvironment::printServer();
}
const TestWorkbooks& books() {
  return OfficeEnvironment::workbooks();
}

// One office for the whole suite: starting one takes seconds.
class Component : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OfficeOptions options;
    options.printers = &queues;
    session = std::make_unique<OfficeSession>(options);
  }
  static void TearDownTestSuite() { session.reset(); }

  // The workbook as the only open one, as Edit1Change leaves it.
  static void openAlone(const TestWorkbook& book) {
    while (!late(session->application()).get("ActiveWorkbook").value().isNothing()) {
      session->closeActive();
    }
    session->open(book.file.string());
  }

  // Prints and returns what landed; nothing when nothing was printed.
  static std::vector<LandedJob> printed(int sheet, int from, int to, int copies) {
    const int before = printer().lastJob();
    session->printOut(sheet, from, to, copies);
    return printer().jobsAfter(before);
  }

  static CupsPrinterList queues;
  static std::unique_ptr<OfficeSession> session;
};
CupsPrinterList Component::queues;
std::unique_ptr<OfficeSession> Component::session;

bool shows(const std::string& page, const std::string& text) {
  return page.find(text) != std::string::npos;
}

// The page shows exactly the expected texts among all texts of the workbook.
void expectPageShows(const std::string& page, const std::vector<std::string>& expected,
                     const TestWorkbook& book) {
  for (const std::string& text : allTexts(book)) {
    const bool wanted = std::find(expected.begin(), expected.end(), text) != expected.end();
    EXPECT_EQ(shows(page, text), wanted) << "\"" << text << "\" on the page:\n" << page;
  }
}

const TestWorkbook& bookNamed(const std::string& kind) {
  return kind == "xls" ? books().layoutsXls() : books().layoutsXlsx();
}

class EachLayoutFile : public Component, public ::testing::WithParamInterface<std::string> {};

TEST_P(EachLayoutFile, ReportsTheWorkbooksSheetsAndNamesInOrder) {
  const TestWorkbook& book = bookNamed(GetParam());
  openAlone(book);
  ASSERT_EQ(session->sheetCount(), static_cast<int>(book.sheets.size()));
  for (std::size_t i = 0; i < book.sheets.size(); ++i) {
    EXPECT_EQ(session->sheetName(static_cast<int>(i + 1)), book.sheets[i].name);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, EachLayoutFile, ::testing::Values("xlsx", "xls"));

struct SheetCase {
  std::string file;
  int sheet;  // from 1
};

class EverySheet : public Component, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(EverySheet, PageCountIsWhatPrintingTheSheetAloneLands) {
  const TestWorkbook& book = bookNamed(GetParam().file);
  const SheetLayout& layout = book.sheets[static_cast<std::size_t>(GetParam().sheet - 1)];
  openAlone(book);
  const int pages = session->pageCount(GetParam().sheet);
  EXPECT_EQ(pages, static_cast<int>(layout.pages.size()));

  const auto jobs = printed(GetParam().sheet, 1, 999, 1);
  if (pages == 0) {
    EXPECT_TRUE(jobs.empty()) << "a sheet without pages prints nothing";
    return;
  }
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(static_cast<int>(jobs[0].pages.size()), pages);
  EXPECT_NE(jobs[0].pageSize.find("595 x 842"), std::string::npos) << jobs[0].pageSize;
  for (std::size_t page = 0; page < jobs[0].pages.size() && page < layout.pages.size(); ++page) {
    SCOPED_TRACE("page " + std::to_string(page + 1));
    expectPageShows(jobs[0].pages[page], layout.pages[page], book);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, EverySheet,
    ::testing::Values(SheetCase{"xlsx", 1}, SheetCase{"xlsx", 2}, SheetCase{"xlsx", 3},
                      SheetCase{"xlsx", 4}, SheetCase{"xlsx", 5}, SheetCase{"xlsx", 6},
                      SheetCase{"xlsx", 7}, SheetCase{"xlsx", 8}, SheetCase{"xlsx", 9},
                      SheetCase{"xls", 1}, SheetCase{"xls", 2}, SheetCase{"xls", 3},
                      SheetCase{"xls", 4}, SheetCase{"xls", 5}, SheetCase{"xls", 6},
                      SheetCase{"xls", 7}, SheetCase{"xls", 8}, SheetCase{"xls", 9}),
    [](const auto& info) { return info.param.file + "_sheet" + std::to_string(info.param.sheet); });

struct RangeCase {
  const char* name;
  int sheet;
  int from;
  int to;
  int copies;
  std::vector<int> pages;  // the sheet's pages that land, in order
};

// Copies come uncollated: every page as often as asked before the next.
const RangeCase kRanges[] = {
    {"FirstPageOnce", 1, 1, 1, 1, {1}},
    {"MiddleAndLastTwice", 1, 2, 3, 2, {2, 2, 3, 3}},
    {"AllOfFourThreeTimes", 2, 1, 4, 3, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}},
    {"LastPageBeyondTheSheet", 3, 2, 99, 1, {2, 3}},
    {"CyrillicSheetSecondPage", 8, 2, 2, 2, {2, 2}},
};

class PrintRange : public Component, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(PrintRange, LandsThoseOfTheSheetsPagesAsOftenAsAsked) {
  const RangeCase& row = GetParam();
  const TestWorkbook& book = books().layoutsXlsx();
  const SheetLayout& layout = book.sheets[static_cast<std::size_t>(row.sheet - 1)];
  openAlone(book);
  const auto jobs = printed(row.sheet, row.from, row.to, row.copies);
  ASSERT_EQ(jobs.size(), 1u);
  ASSERT_EQ(jobs[0].pages.size(), row.pages.size());
  for (std::size_t i = 0; i < row.pages.size(); ++i) {
    SCOPED_TRACE("landed page " + std::to_string(i + 1));
    expectPageShows(jobs[0].pages[i], layout.pages[static_cast<std::size_t>(row.pages[i] - 1)],
                    book);
  }
}

INSTANTIATE_TEST_SUITE_P(Requests, PrintRange, ::testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

struct NothingCase {
  const char* name;
  int sheet;
  int from;
  int to;
};

const NothingCase kNothing[] = {
    {"EmptySheet", 6, 1, 1},
    {"HiddenSheet", 7, 1, 1},
    {"EmptyPrintArea", 9, 1, 1},
    {"AllPagesOfASheetWithoutPages", 6, 1, 0},
    {"RangeRunningDownwards", 1, 3, 2},
    {"LastPageZero", 1, 1, 0},
    {"FirstPageBeyondTheSheet", 1, 4, 5},
};

class PrintNothing : public Component, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(PrintNothing, ARequestSelectingNoPagePrintsNothingAndSucceeds) {
  openAlone(books().layoutsXlsx());
  const int before = printer().lastJob();
  EXPECT_NO_THROW(session->printOut(GetParam().sheet, GetParam().from, GetParam().to, 1));
  EXPECT_EQ(printer().lastJob(), before) << "a job was printed";
}

INSTANTIATE_TEST_SUITE_P(Requests, PrintNothing, ::testing::ValuesIn(kNothing),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Component, OpeningAMissingFileFailsNamingIt) {
  const std::string missing = (books().folder() / "gone.xlsx").string();
  EXPECT_EQ(failureOf([&] { session->open(missing); }),
            "Cannot open \"" + missing + "\": the file does not exist");
}

TEST_F(Component, OpeningAFolderOrAFileThatIsNoWorkbookFailsNamingIt) {
  const std::string folder = books().folder().string();
  EXPECT_EQ(failureOf([&] { session->open(folder); }),
            "Cannot open \"" + folder + "\": it is a folder");
  const std::string text = books().notAWorkbook().string();
  EXPECT_EQ(failureOf([&] { session->open(text); }),
            "Cannot open \"" + text + "\": LibreOffice cannot read it as a workbook");
}

// A workbook that needs a password to open is named as such, not as one the office cannot read.
TEST_F(Component, AWorkbookProtectedByAPasswordIsNamedAsSuch) {
  for (const auto& file : {books().protectedXlsx(), books().protectedXls()}) {
    EXPECT_EQ(failureOf([&] { session->open(file.string()); }),
              "Cannot open \"" + file.string() + "\": it is protected by a password");
  }
}

// Only a password to open stops a workbook: one with a password to modify it, or with protected
// sheets, opens and prints as any other.
TEST_F(Component, OtherProtectionsOpenAndPrintAsUsual) {
  for (const TestWorkbook* book : {&books().passwordToModify(), &books().protectedSheets()}) {
    SCOPED_TRACE(book->file.string());
    openAlone(*book);
    ASSERT_EQ(session->sheetCount(), 3);
    EXPECT_EQ(session->sheetName(2), "Totals");
    const auto jobs = printed(2, 1, 3, 1);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].pages.size(), 3u);
  }
}

TEST_F(Component, AFailedOpenLeavesNoWorkbookActive) {
  openAlone(books().layoutsXlsx());
  session->closeActive();
  EXPECT_NE(failureOf([&] { session->open(books().notAWorkbook().string()); }), "no error");
  EXPECT_TRUE(late(session->application()).get("ActiveWorkbook").value().isNothing());
  EXPECT_EQ(failureOf([&] { session->closeActive(); }), "Invalid variant operation");
  EXPECT_EQ(failureOf([&] { session->sheetCount(); }), "No workbook is open");
}

TEST_F(Component, ASheetOutOfRangeFailsClearly) {
  openAlone(books().threeSheets());
  EXPECT_EQ(failureOf([&] { session->sheetName(0); }),
            "There is no sheet 0: the workbook has 3 sheets");
  EXPECT_EQ(failureOf([&] { session->sheetName(4); }),
            "There is no sheet 4: the workbook has 3 sheets");
}

TEST_F(Component, AnUnknownPrinterFailsNamingItAndPrintsNothing) {
  openAlone(books().threeSheets());
  const int before = printer().lastJob();
  EXPECT_EQ(failureOf([&] { session->printOut(1, 1, 1, 1, "No Such Printer"); }),
            "The printer \"No Such Printer\" does not exist");
  EXPECT_EQ(printer().lastJob(), before);
}

// The server is asked before the job is sent: a queue that refuses jobs is named as such and gets
// none; a paused one takes them as ever, and they print once it is resumed.
TEST_F(Component, AQueueRefusingJobsIsNamedAndAPausedOneTakesThem) {
  const std::string queue = PrintServer::kPrinter;
  openAlone(books().threeSheets());
  const int before = printer().lastJob();
  commandOutput("cupsreject " + queue);
  const std::string refused = failureOf([&] { session->printOut(1, 1, 1, 1); });
  commandOutput("cupsaccept " + queue);
  EXPECT_EQ(refused, "The printer \"Quirevo-PDF\" is not accepting jobs");
  EXPECT_EQ(printer().lastJob(), before);

  commandOutput("cupsdisable " + queue);
  const std::string paused = failureOf([&] { session->printOut(1, 1, 1, 1); });
  commandOutput("cupsenable " + queue);
  EXPECT_EQ(paused, "no error");
  EXPECT_EQ(printer().jobsAfter(before).size(), 1u) << "the paused job prints once resumed";
  EXPECT_EQ(printed(1, 1, 1, 1).size(), 1u) << "accepting again, the same print lands";
}

TEST_F(Component, TheActiveWorkbookIsTheLastOpenedOrAddedThatIsStillOpen) {
  openAlone(books().threeSheets());
  session->add();
  EXPECT_EQ(session->sheetCount(), 1) << "the new workbook";
  session->closeActive();
  EXPECT_EQ(session->sheetName(2), "Totals") << "back to the workbook opened before";
  session->open(books().layoutsXlsx().file.string());
  EXPECT_EQ(session->sheetName(1), "Breaks");
}

TEST_F(Component, TheWorkbookFileIsOnlyRead) {
  const auto file = books().threeSheets().file;
  const auto bytes = [&] {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string before = bytes();
  openAlone(books().threeSheets());
  printed(2, 1, 1, 1);
  session->closeActive();
  EXPECT_EQ(bytes(), before);
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    EXPECT_EQ(entry.path().filename().string().rfind(".~lock", 0), std::string::npos)
        << "lock file " << entry.path();
  }
}

TEST_F(Component, SettingsAreTakenWithoutADisplay) {
  EXPECT_NO_THROW(late(session->application()).put("DisplayAlerts", Variant::boolean(false)));
  EXPECT_NO_THROW(late(session->application()).put("Visible", Variant::boolean(true)));
  EXPECT_NO_THROW(late(session->application()).put("Visible", Variant::boolean(false)));
}

TEST_F(Component, PrintRequestsItCannotCarryOutAreRefused) {
  openAlone(books().threeSheets());
  std::int32_t to = 1;
  std::int32_t copies = 1;
  std::string name = PrintServer::kPrinter;
  const auto printOut = [&](bool preview, bool toFile) {
    const Variant arguments[] = {Variant::integer(1),         Variant::integerRef(to),
                                 Variant::integerRef(copies), Variant::boolean(preview),
                                 Variant::stringRef(name),    Variant::boolean(toFile),
                                 Variant::boolean(false)};
    session->sheet(1).call("PrintOut", arguments);
  };
  const int before = printer().lastJob();
  EXPECT_EQ(failureOf([&] { printOut(true, false); }), "Print preview is not supported");
  EXPECT_EQ(failureOf([&] { printOut(false, true); }), "Printing to a file is not supported");
  EXPECT_EQ(printer().lastJob(), before);
}

}  // namespace
}  // namespace quirevo::testing
