#include "commands/print_command.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "commands/workbook_batch.h"
#include "workbook/print_execution.h"
#include "workbook/sheet_listing.h"

namespace quirevo {

namespace {

std::string counted(std::int32_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// What a request prints: "sheet 2 "Totals", pages 1-3, 2 copies".
std::string describe(const PrintRequest& request, const std::vector<SheetInfo>& sheets) {
  std::string text = "sheet " + std::to_string(request.sheet);
  if (request.sheet >= 1 && static_cast<std::size_t>(request.sheet) <= sheets.size()) {
    text += " \"" + sheets[static_cast<std::size_t>(request.sheet) - 1].name + "\"";
  }
  text += request.firstPage == request.lastPage ? ", page " + std::to_string(request.firstPage)
                                                : ", pages " + std::to_string(request.firstPage) +
                                                      "-" + std::to_string(request.lastPage);
  return text + ", " + counted(request.copies, "copy", "copies");
}

const SheetInfo& sheetNumbered(const std::vector<SheetInfo>& sheets, std::int32_t number) {
  if (number > static_cast<std::int32_t>(sheets.size())) {
    throw std::runtime_error("there is no sheet " + std::to_string(number) + ": the workbook has " +
                             counted(static_cast<std::int32_t>(sheets.size()), "sheet", "sheets"));
  }
  return sheets[static_cast<std::size_t>(number) - 1];
}

void checkPage(const SheetInfo& sheet, std::int32_t page) {
  if (page > sheet.pages) {
    throw std::runtime_error("sheet " + std::to_string(sheet.number) + " \"" + sheet.name +
                             "\" has " + counted(sheet.pages, "page", "pages") +
                             ": there is no page " + std::to_string(page));
  }
}

// What the workbook, as listed, cannot give is refused before anything of it is printed.
void checkSatisfiable(const PrintSettings& settings, const std::vector<SheetInfo>& sheets) {
  if (settings.sheetMode) {
    const SheetModeSettings& s = settings.sheets;
    if (s.choice == SheetChoice::One) {
      sheetNumbered(sheets, s.oneSheet);
    } else if (s.choice == SheetChoice::Range) {
      sheetNumbered(sheets, s.lastSheet);
    }
  }
  if (settings.pageMode) {
    const PageModeSettings& p = settings.pages;
    const SheetInfo& sheet = sheetNumbered(sheets, p.sheet);
    if (p.choice == PageChoice::One) {
      checkPage(sheet, p.onePage);
    } else if (p.choice == PageChoice::Range) {
      checkPage(sheet, p.lastPage);
    } else if (p.choice == PageChoice::All) {
      checkPage(sheet, 1);
    }
  }
}

// Tells each request: progress before, the result line after. An interruption ends the print
// once the request under way has been taken, and a request is never sent again.
class Report final : public PrintObserver {
 public:
  Report(const WorkbookFile& file, const std::vector<SheetInfo>& sheets, Console& console,
         const Interruption& interruption)
      : file_(file), sheets_(sheets), console_(console), interruption_(interruption) {}

  void printing(const PrintRequest& request) override {
    if (console_.progress) {
      console_.err << "  printing " << describe(request, sheets_) << "\n";
    }
  }
  void printed(const PrintRequest& request) override {
    console_.out << file_.name << ": " << describe(request, sheets_) << std::endl;
    if (interruption_.requested()) {
      throw std::runtime_error("interrupted");
    }
  }

 private:
  const WorkbookFile& file_;
  const std::vector<SheetInfo>& sheets_;
  Console& console_;
  const Interruption& interruption_;
};

// The plan of --dry-run: the counts as listed, nothing sent.
class PlanOnly final : public PrintTarget {
 public:
  PlanOnly(const std::vector<SheetInfo>& sheets, Report& report)
      : sheets_(sheets), report_(report) {}
  std::int32_t sheetCount() override { return static_cast<std::int32_t>(sheets_.size()); }
  std::int32_t pageCount(std::int32_t sheet) override {
    return sheetNumbered(sheets_, sheet).pages;
  }
  void print(const PrintRequest& request) override { report_.printed(request); }

 private:
  const std::vector<SheetInfo>& sheets_;
  Report& report_;
};

}  // namespace

int runPrint(const PrintCommand& command, const Variant& session, PrinterList& printers,
             Console& console, Interruption& interruption) {
  PrintSettings settings = command.settings;
  if (command.printer) {
    settings.printer = *command.printer;
  } else if (const auto current = printers.currentPrinterName()) {
    settings.printer = *current;
  } else if (!command.dryRun) {
    console.err << "quirevo: There is no default printer currently selected; name one with "
                   "--printer\n";
    return exit_status::kSomeFailed;
  }
  const BatchEnd end = forEachWorkbook(
      command.workbooks, "printing", console, interruption, [&](const WorkbookFile& file) {
        replaceActiveWorkbook(session, file.path);
        std::vector<SheetInfo> sheets;
        readSheets(session, [&](const SheetInfo& s) { sheets.push_back(s); });
        checkSatisfiable(settings, sheets);
        Report report(file, sheets, console, interruption);
        if (command.dryRun) {
          PlanOnly plan(sheets, report);
          planPrint(settings, plan);
          return;
        }
        const Interruption::Printing printing(interruption);
        printWorkbook(session, settings, &report);
      });
  return statusOf(end);
}

}  // namespace quirevo
