#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/dispatch.h"
#include "automation/variant.h"

namespace quirevo::testing {

struct SheetContent {
  std::string name;
  Variant pages = Variant::integer(1);  // what PageSetup.Pages.Count reports
};

struct WorkbookContent {
  std::vector<SheetContent> sheets;
  // What Sheets.count reports, when it should differ from the number of sheets.
  std::optional<Variant> reportedCount;
};

// One request as the stand-in received it: "put Visible(bool false)", "get Workbooks",
// "method Open(Filename: string \"a.xlsx\")", "indexed get Item(int 2)".
struct Request {
  std::string member;
  InvokeKind kind;
  std::vector<std::string> arguments;  // in order; named ones as "Name: value"
  std::string text() const;
};

// "call(a, b)", or the call alone without arguments: a request as the stand-in's log and the Wine
// test server's write it.
std::string callText(std::string call, const std::vector<std::string>& arguments);

struct PrintJob {
  std::string workbook;
  int sheet = 0;
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::int32_t copies = 0;
  bool preview = false;
  std::string printer;
  bool printToFile = false;
  bool collate = false;
  bool operator==(const PrintJob&) const = default;
};

// A scripted spreadsheet application serving the automation members Quirevo uses. It checks
// kinds, argument counts and types on every call, logs every request, lets a test make any
// member fail, and counts live references so a leak fails a test.
class SpreadsheetStandIn {
 public:
  SpreadsheetStandIn();
  ~SpreadsheetStandIn();

  // Files that Workbooks.Open finds, and what Workbooks.Add creates.
  void addFile(std::string fileName, WorkbookContent content);
  void setNewWorkbook(WorkbookContent content);

  // The root object, as creating "Excel.Application" yields it.
  DispatchPtr createApplication();

  // The (skip + 1)-th and every later call of the member (case-insensitive) fails with an
  // exception whose description is given; times limits how many calls fail (0: all).
  void failAt(std::string member, std::string description, int skip = 0, int times = 0);
  void clearFailures();

  std::vector<std::string> requests() const;
  const std::vector<Request>& log() const;
  void clearLog();
  std::size_t requestCount() const;

  long liveReferences() const;
  bool visible() const;
  std::optional<bool> displayAlerts() const;
  bool quitRequested() const;
  // File name of the active workbook ("" for one made by Add), nothing when none is open.
  std::optional<std::string> activeWorkbook() const;
  std::vector<std::string> openWorkbooks() const;
  const std::vector<PrintJob>& printJobs() const;
  void clearPrintJobs();

  // The model shared by the stand-in and all its objects; an object outliving the stand-in
  // keeps it alive, so late releases stay safe.
  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace quirevo::testing
