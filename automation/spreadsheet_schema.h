#pragma once

#include "automation/dispatch_server.h"

// The objects of the spreadsheet application ("Excel.Application") and the members Quirevo's
// window uses on each: names, invoke kinds and argument types exactly as the window sends them.
// Each object's member table is declared here once, bound to the handlers below; every server
// of the application (the LibreOffice component, the test stand-in) derives its objects from
// these classes and implements the handlers, so that no two servers can disagree on what a
// request looks like.
namespace quirevo::spreadsheet {

// DisplayAlerts, Visible, Workbooks, ActiveWorkbook, Application, Sheets, Quit
class ApplicationServer : public DispatchServer<ApplicationServer> {
 public:
  static const ServerMembers<ApplicationServer>& members();

 protected:
  virtual Variant putDisplayAlerts(const BoundArguments& arguments) = 0;
  virtual Variant putVisible(const BoundArguments& arguments) = 0;
  virtual Variant workbooks(const BoundArguments& arguments) = 0;
  virtual Variant activeWorkbook(const BoundArguments& arguments) = 0;
  virtual Variant application(const BoundArguments& arguments) = 0;
  virtual Variant sheets(const BoundArguments& arguments) = 0;
  virtual Variant quit(const BoundArguments& arguments) = 0;
};

// Add, Open(Filename)
class WorkbooksServer : public DispatchServer<WorkbooksServer> {
 public:
  static const ServerMembers<WorkbooksServer>& members();

 protected:
  virtual Variant add(const BoundArguments& arguments) = 0;
  virtual Variant open(const BoundArguments& arguments) = 0;
};

// Close
class WorkbookServer : public DispatchServer<WorkbookServer> {
 public:
  static const ServerMembers<WorkbookServer>& members();

 protected:
  virtual Variant close(const BoundArguments& arguments) = 0;
};

// count, Item(Index)
class SheetsServer : public DispatchServer<SheetsServer> {
 public:
  static const ServerMembers<SheetsServer>& members();

 protected:
  virtual Variant count(const BoundArguments& arguments) = 0;
  virtual Variant item(const BoundArguments& arguments) = 0;
};

// name, PageSetup, PrintOut(From, To, Copies, Preview, ActivePrinter, PrintToFile, Collate)
class SheetServer : public DispatchServer<SheetServer> {
 public:
  static const ServerMembers<SheetServer>& members();

 protected:
  virtual Variant name(const BoundArguments& arguments) = 0;
  virtual Variant pageSetup(const BoundArguments& arguments) = 0;
  virtual Variant printOut(const BoundArguments& arguments) = 0;
};

// PrintOut's arguments, in their order.
enum PrintOutArgument { kFrom, kTo, kCopies, kPreview, kActivePrinter, kPrintToFile, kCollate };

// Pages
class PageSetupServer : public DispatchServer<PageSetupServer> {
 public:
  static const ServerMembers<PageSetupServer>& members();

 protected:
  virtual Variant pages(const BoundArguments& arguments) = 0;
};

// Count
class PagesServer : public DispatchServer<PagesServer> {
 public:
  static const ServerMembers<PagesServer>& members();

 protected:
  virtual Variant count(const BoundArguments& arguments) = 0;
};

}  // namespace quirevo::spreadsheet
