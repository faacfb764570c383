#include "commands/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include "commands/selection.h"
#include "commands/usage_error.h"

namespace quirevo {

namespace {

constexpr const char* kDescription =
    "Quirevo prints chosen sheets and pages of spreadsheet workbooks.\n"
    "With no argument it opens its window; with one workbook, the window names it.";

// SheetChoice or PageChoice, whose choices have the same names.
template <class Choice>
Choice choiceOf(Selection::Span span) {
  switch (span) {
    case Selection::Span::All:
      return Choice::All;
    case Selection::Span::One:
      return Choice::One;
    case Selection::Span::Range:
      return Choice::Range;
    case Selection::Span::Even:
      return Choice::Even;
    case Selection::Span::Odd:
      return Choice::Odd;
  }
  return Choice::None;
}

// What the print subcommand's options read, before they are checked together.
struct PrintOptions {
  std::optional<std::string> sheets;
  std::optional<std::string> pagesPerSheet;
  std::optional<std::string> sheet;
  std::optional<std::string> pages;
  std::optional<std::string> copies;
  std::optional<std::string> printer;
  bool dryRun = false;
  std::vector<std::string> workbooks;
};

PrintCommand printCommand(const PrintOptions& o) {
  if (o.workbooks.empty()) {
    throw UsageError("print: no workbook named");
  }
  if (o.pages && !o.sheet) {
    throw UsageError("--pages needs --sheet: the pages of which sheet?");
  }
  if (o.sheet && o.sheets) {
    throw UsageError("--sheet and --sheets cannot be given together");
  }
  if (o.sheet && o.pagesPerSheet) {
    throw UsageError("--pages-per-sheet goes with --sheets, not with --sheet");
  }
  if (o.printer && o.printer->empty()) {
    throw UsageError("--printer: the printer's name is empty");
  }
  PrintCommand command;
  PrintSettings& s = command.settings;
  const std::int32_t copies = o.copies ? parseNumber("--copies", *o.copies) : 1;
  if (o.sheet) {
    const Selection pages = parseSelection("--pages", o.pages.value_or("all"));
    s.pageMode = true;
    s.pages = {choiceOf<PageChoice>(pages.span),
               parseNumber("--sheet", *o.sheet),
               pages.first,
               pages.first,
               pages.last,
               copies};
  } else {
    const Selection sheets = parseSelection("--sheets", o.sheets.value_or("all"));
    s.sheetMode = true;
    s.sheets.choice = choiceOf<SheetChoice>(sheets.span);
    s.sheets.oneSheet = s.sheets.firstSheet = sheets.first;
    s.sheets.lastSheet = sheets.last;
    s.sheets.everyPage = !o.pagesPerSheet;
    s.sheets.pagesPerSheet =
        o.pagesPerSheet ? parseNumber("--pages-per-sheet", *o.pagesPerSheet) : 1;
    s.sheets.copies = copies;
  }
  command.printer = o.printer;
  command.dryRun = o.dryRun;
  command.workbooks = o.workbooks;
  return command;
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out) {
  CLI::App app(kDescription, "quirevo");
  app.set_version_flag("--version", std::string("quirevo ") + QUIREVO_VERSION);
  app.require_subcommand(1);
  app.footer(
      "The window:\n"
      "  quirevo              opens the window\n"
      "  quirevo BOOK         opens the window with BOOK named in its file field\n\n"
      "Each command's options: quirevo list --help, quirevo print --help.\n"
      "Exit status: 0 all done, 1 a workbook could not be listed or printed, 2 an argument was\n"
      "refused (nothing was done), 130 interrupted.\n");

  ListCommand list;
  CLI::App* listing = app.add_subcommand(
      "list", "List each workbook's sheets: number, name and printed page count");
  listing->add_flag("--json", list.json, "One JSON document instead of lines");
  listing->add_option("BOOK", list.workbooks, "The workbooks (.xls, .xlsx)")->type_name("");
  listing->footer("");

  PrintOptions o;
  CLI::App* printing = app.add_subcommand(
      "print",
      "Print each workbook in turn; with neither --sheets nor --sheet, every page of "
      "every sheet");
  constexpr const char* kSpan = "all|N|A-B|even|odd";
  printing->add_option("--sheets", o.sheets, "Whole sheets")->type_name(kSpan);
  printing
      ->add_option("--pages-per-sheet", o.pagesPerSheet,
                   "With --sheets: pages 1 to N of each sheet (default: every page)")
      ->type_name("N");
  printing->add_option("--sheet", o.sheet, "Pages of this one sheet")->type_name("N");
  printing->add_option("--pages", o.pages, "With --sheet: which pages (default all)")
      ->type_name(kSpan);
  printing->add_option("--copies", o.copies, "Copies of each page (default 1)")->type_name("N");
  printing->add_option("--printer", o.printer, "The printer (default: the system's default)")
      ->type_name("NAME");
  printing->add_flag("--dry-run", o.dryRun, "Print the plan only: nothing goes to the printer");
  printing->add_option("BOOK", o.workbooks, "The workbooks (.xls, .xlsx)")->type_name("");
  printing->footer("Numbers are from 1 to 999.\n");

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    const CLI::App* asked = listing->parsed() ? listing : printing->parsed() ? printing : &app;
    out << asked->help();
    return Answered{};
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return Answered{};
  } catch (const CLI::RequiredError&) {
    throw UsageError(arguments.empty()
                         ? "no command given: list or print"
                         : "unknown command \"" + arguments.front() +
                               "\": the commands are list and print, and the window takes one "
                               "workbook");
  } catch (const CLI::ParseError& failure) {
    throw UsageError(failure.what());
  }
  if (listing->parsed()) {
    if (list.workbooks.empty()) {
      throw UsageError("list: no workbook named");
    }
    return list;
  }
  return printCommand(o);
}

}  // namespace quirevo
