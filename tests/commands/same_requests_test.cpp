// A command line run asks the spreadsheet application exactly what the window asks for the same
// selection: its start-up, then per workbook the file named in the file field with English
// chosen and "Print" pressed, then "Close".
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "commands/command_run.h"
#include "tests/support/fake_platform.h"
#include "ui/application.h"

namespace quirevo::testing {
namespace {

using Arguments = std::vector<std::string>;
using Requests = std::vector<std::string>;

constexpr const char* kBook = "/books/Book.xlsx";

void addBook(SpreadsheetStandIn& standIn) {
  WorkbookContent content;
  for (int pages : {2, 5, 1, 3}) {
    content.sheets.push_back({"S" + std::to_string(pages), Variant::integer(pages)});
  }
  standIn.addFile(kBook, content);
}

Requests windowRequests(const std::function<void(TForm1&)>& select) {
  FakePlatform fake;
  addBook(fake.standIn);
  {
    const SpreadsheetSessionLifetime session;
    Application application{fake.desktop};
    TForm1 window(application, fake.platform);
    window.create();
    window.ComboBox1.userSelectItem(0);
    window.Edit1.userEdit(kBook);
    select(window);
    window.BitBtn1.userClick();
    window.BitBtn2.userClick();
  }
  return fake.standIn.requests();
}

struct CommandRun {
  Requests requests;
  int status;
  std::string out;
};

CommandRun commandRequests(const Arguments& selection) {
  FakePlatform fake;
  addBook(fake.standIn);
  Arguments arguments = {"print"};
  arguments.insert(arguments.end(), selection.begin(), selection.end());
  arguments.push_back(kBook);
  std::ostringstream out;
  std::ostringstream err;
  Console console{out, err};
  Interruption interruption;
  CommandPlatform platform{fake.automation, fake.printers};
  const int status = runCommand(arguments, platform, console, interruption);
  EXPECT_EQ(err.str(), "");
  return {fake.standIn.requests(), status, out.str()};
}

struct Selection {
  const char* name;
  std::function<void(TForm1&)> inWindow;
  Arguments onCommandLine;
  std::vector<std::string> reported;
};

void PrintTo(const Selection& row, std::ostream* os) {
  *os << row.name;
}

class SameRequests : public ::testing::TestWithParam<Selection> {};

TEST_P(SameRequests, AsTheWindowForTheSameSelection) {
  const CommandRun run = commandRequests(GetParam().onCommandLine);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.requests, windowRequests(GetParam().inWindow));
  std::string reported;
  for (const std::string& line : GetParam().reported) {
    reported += std::string(kBook) + ": " + line + "\n";
  }
  EXPECT_EQ(run.out, reported);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, SameRequests,
    ::testing::Values(
        Selection{"OddSheetsOnePageEach",
                  [](TForm1& w) { w.RadioButton7.userClick(); },
                  {"--sheets", "odd", "--pages-per-sheet", "1"},
                  {R"(sheet 1 "S2", page 1, 1 copy)", R"(sheet 3 "S1", page 1, 1 copy)"}},
        Selection{"SheetsTwoToThreeTwoPagesTwice",
                  [](TForm1& w) {
                    w.RadioButton5.userClick();
                    w.SpinEdit3.userEdit("2");
                    w.SpinEdit2.userEdit("3");
                    w.SpinEdit4.userEdit("2");
                    w.SpinEdit5.userEdit("2");
                  },
                  {"--sheets", "2-3", "--pages-per-sheet", "2", "--copies", "2"},
                  {R"(sheet 2 "S5", pages 1-2, 2 copies)", R"(sheet 3 "S1", pages 1-2, 2 copies)"}},
        Selection{"EvenPagesOfSheetTwo",
                  [](TForm1& w) {
                    w.RadioButton2.userClick();
                    w.RadioButton11.userClick();
                    w.SpinEdit6.userEdit("2");
                  },
                  {"--sheet", "2", "--pages", "even"},
                  {R"(sheet 2 "S5", page 2, 1 copy)", R"(sheet 2 "S5", page 4, 1 copy)"}},
        Selection{"ARangeOfPagesThreeTimes",
                  [](TForm1& w) {
                    w.RadioButton2.userClick();
                    w.RadioButton10.userClick();
                    w.SpinEdit6.userEdit("4");
                    w.SpinEdit8.userEdit("2");
                    w.SpinEdit9.userEdit("3");
                    w.SpinEdit10.userEdit("3");
                  },
                  {"--sheet", "4", "--pages", "2-3", "--copies", "3"},
                  {R"(sheet 4 "S3", pages 2-3, 3 copies)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Without --pages-per-sheet each sheet prints every page: its count read just before its request,
// and a sheet that prints no page asked for nothing.
TEST(CommandLine, EveryPageReadsEachSheetsCountBeforeItsRequestAndSkipsAnEmptySheet) {
  FakePlatform fake;
  fake.standIn.addFile(kBook,
                       {{{"Full", Variant::integer(2)}, {"Empty", Variant::integer(0)}}, {}});
  std::ostringstream out;
  std::ostringstream err;
  Console console{out, err};
  Interruption interruption;
  CommandPlatform platform{fake.automation, fake.printers};
  EXPECT_EQ(runCommand({"print", kBook}, platform, console, interruption), 0) << err.str();
  EXPECT_EQ(out.str(), std::string(kBook) + R"(: sheet 1 "Full", pages 1-2, 1 copy)" + "\n");
  const auto pageCount = [](int sheet) {
    const std::string item = "indexed get Item(int& " + std::to_string(sheet) + ")";
    return Requests{"get Sheets", item, "get PageSetup", "get Pages", "get Count"};
  };
  Requests printing = {"get Sheets", "get count"};
  for (const Requests& part :
       {pageCount(1),
        Requests{"get Sheets", "indexed get Item(int& 1)",
                 "method PrintOut(int 1, int& 2, int& 1, bool false, string& \"Office Laser\", "
                 "bool false, bool false)"},
        pageCount(2)}) {
    printing.insert(printing.end(), part.begin(), part.end());
  }
  const Requests all = fake.standIn.requests();
  const Requests closing = {"get ActiveWorkbook", "method Close", "get Application", "method Quit"};
  ASSERT_GE(all.size(), printing.size() + closing.size());
  EXPECT_EQ(Requests(all.end() - static_cast<long>(printing.size() + closing.size()),
                     all.end() - static_cast<long>(closing.size())),
            printing);
}

}  // namespace
}  // namespace quirevo::testing
