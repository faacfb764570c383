// The command line read into the use cases' values, and what the program was started to do.
#include "commands/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

#include "commands/invocation.h"

namespace quirevo {
namespace {

using Arguments = std::vector<std::string>;

struct PrintOptions {
  const char* name;
  Arguments arguments;
  PrintSettings settings;
};

void PrintTo(const PrintOptions& row, std::ostream* os) {
  *os << row.name;
}

PrintSettings sheetMode(SheetModeSettings sheets) {
  PrintSettings settings;
  settings.sheetMode = true;
  settings.sheets = sheets;
  return settings;
}

PrintSettings pageMode(PageModeSettings pages) {
  PrintSettings settings;
  settings.pageMode = true;
  settings.pages = pages;
  return settings;
}

class PrintSelection : public ::testing::TestWithParam<PrintOptions> {};

TEST_P(PrintSelection, IsTheWindowsSelectionForTheUseCases) {
  Arguments arguments = {"print"};
  arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
  arguments.push_back("a.xlsx");
  std::ostringstream out;
  const Command command = parseCommandLine(arguments, out);
  ASSERT_TRUE(std::holds_alternative<PrintCommand>(command));
  const PrintSettings& read = std::get<PrintCommand>(command).settings;
  const PrintSettings& expected = GetParam().settings;
  EXPECT_EQ(read.sheetMode, expected.sheetMode);
  EXPECT_EQ(read.pageMode, expected.pageMode);
  const auto sheets = [](const SheetModeSettings& s) {
    return std::tuple(s.choice, s.oneSheet, s.firstSheet, s.lastSheet, s.pagesPerSheet, s.everyPage,
                      s.copies);
  };
  const auto pages = [](const PageModeSettings& p) {
    return std::tuple(p.choice, p.sheet, p.onePage, p.firstPage, p.lastPage, p.copies);
  };
  if (expected.sheetMode) {
    EXPECT_EQ(sheets(read.sheets), sheets(expected.sheets));
  }
  if (expected.pageMode) {
    EXPECT_EQ(pages(read.pages), pages(expected.pages));
  }
  EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, PrintSelection,
    ::testing::Values(PrintOptions{"EveryPageOfEverySheet",
                                   {},
                                   sheetMode({SheetChoice::All, 1, 1, 1, 1, true, 1})},
                      PrintOptions{"OddSheetsTwoPagesEach",
                                   {"--sheets", "odd", "--pages-per-sheet", "2"},
                                   sheetMode({SheetChoice::Odd, 1, 1, 1, 2, false, 1})},
                      PrintOptions{"OneSheetWithCopies",
                                   {"--sheets", "4", "--copies", "3"},
                                   sheetMode({SheetChoice::One, 4, 4, 4, 1, true, 3})},
                      PrintOptions{"ARangeOfSheets",
                                   {"--sheets", "2-5"},
                                   sheetMode({SheetChoice::Range, 2, 2, 5, 1, true, 1})},
                      PrintOptions{"PagesPerSheetAloneMeansAllSheets",
                                   {"--pages-per-sheet", "1"},
                                   sheetMode({SheetChoice::All, 1, 1, 1, 1, false, 1})},
                      PrintOptions{"EvenPagesOfASheet",
                                   {"--sheet", "2", "--pages", "even", "--copies", "2"},
                                   pageMode({PageChoice::Even, 2, 1, 1, 1, 2})},
                      PrintOptions{"ARangeOfPages",
                                   {"--sheet", "3", "--pages", "4-9"},
                                   pageMode({PageChoice::Range, 3, 4, 4, 9, 1})},
                      PrintOptions{"EveryPageOfOneSheet",
                                   {"--sheet", "1"},
                                   pageMode({PageChoice::All, 1, 1, 1, 1, 1})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, TheWindowIsStartedWithNoArgumentOrOneWorkbookAndAnythingElseIsACommand) {
  const struct {
    Arguments arguments;
    bool window;
    std::optional<std::string> workbook;
  } rows[] = {
      {{}, true, std::nullopt},
      {{"Book.xlsx"}, true, "Book.xlsx"},
      {{"list", "Book.xlsx"}, false, std::nullopt},
      {{"print"}, false, std::nullopt},
      {{"--help"}, false, std::nullopt},
      {{"-x"}, false, std::nullopt},
      {{"a.xlsx", "b.xlsx"}, false, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto invocation = invocationOf(row.arguments);
    const auto* window = std::get_if<OpenWindow>(&invocation);
    EXPECT_EQ(window != nullptr, row.window) << ::testing::PrintToString(row.arguments);
    if (window != nullptr) {
      EXPECT_EQ(window->workbook, row.workbook);
    }
  }
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
  for (const auto& [arguments, says] : std::vector<std::pair<Arguments, std::string>>{
           {{"--version"}, std::string("quirevo ") + QUIREVO_VERSION + "\n"},
           {{"--help"}, "Subcommands:"},
           {{"print", "--help"}, "--pages-per-sheet N"},
           {{"list", "-h"}, "--json"}}) {
    std::ostringstream out;
    EXPECT_TRUE(std::holds_alternative<Answered>(parseCommandLine(arguments, out)));
    EXPECT_NE(out.str().find(says), std::string::npos) << out.str();
  }
}

}  // namespace
}  // namespace quirevo
