#include "automation/spreadsheet_schema.h"

namespace quirevo::spreadsheet {

namespace {
using Type = Variant::Type;
using Kind = InvokeKind;
}  // namespace

const ServerMembers<ApplicationServer>& ApplicationServer::members() {
  using Self = ApplicationServer;
  static const ServerMembers<Self> table{
      {{"DisplayAlerts", {Kind::Put}, {{"Value", {Type::Boolean}}}}, &Self::putDisplayAlerts},
      {{"Visible", {Kind::Put}, {{"Value", {Type::Boolean}}}}, &Self::putVisible},
      {{"Workbooks", {Kind::Get}}, &Self::workbooks},
      {{"ActiveWorkbook", {Kind::Get}}, &Self::activeWorkbook},
      {{"Application", {Kind::Get}}, &Self::application},
      {{"Sheets", {Kind::Get}}, &Self::sheets},
      {{"Quit", {Kind::Method}}, &Self::quit},
  };
  return table;
}

const ServerMembers<WorkbooksServer>& WorkbooksServer::members() {
  using Self = WorkbooksServer;
  static const ServerMembers<Self> table{
      {{"Add", {Kind::Method}}, &Self::add},
      {{"Open", {Kind::Method}, {{"Filename", {Type::String}}}}, &Self::open},
  };
  return table;
}

const ServerMembers<WorkbookServer>& WorkbookServer::members() {
  static const ServerMembers<WorkbookServer> table{
      {{"Close", {Kind::Method}}, &WorkbookServer::close}};
  return table;
}

// Loading names a sheet by value, printing by reference.
const ServerMembers<SheetsServer>& SheetsServer::members() {
  using Self = SheetsServer;
  static const ServerMembers<Self> table{
      {{"count", {Kind::Get}}, &Self::count},
      {{"Item", {Kind::IndexedGet}, {{"Index", {Type::Integer, Type::IntegerRef}}}}, &Self::item},
  };
  return table;
}

// Whole sheets start at the constant page 1, sent by value; every other number and the printer
// are the window's variables, sent by reference.
const ServerMembers<SheetServer>& SheetServer::members() {
  using Self = SheetServer;
  static const ServerMembers<Self> table{
      {{"name", {Kind::Get}}, &Self::name},
      {{"PageSetup", {Kind::Get}}, &Self::pageSetup},
      {{"PrintOut",
        {Kind::Method},
        {{"From", {Type::Integer, Type::IntegerRef}},
         {"To", {Type::IntegerRef}},
         {"Copies", {Type::IntegerRef}},
         {"Preview", {Type::Boolean}},
         {"ActivePrinter", {Type::StringRef}},
         {"PrintToFile", {Type::Boolean}},
         {"Collate", {Type::Boolean}}}},
       &Self::printOut},
  };
  return table;
}

const ServerMembers<PageSetupServer>& PageSetupServer::members() {
  static const ServerMembers<PageSetupServer> table{
      {{"Pages", {Kind::Get}}, &PageSetupServer::pages}};
  return table;
}

const ServerMembers<PagesServer>& PagesServer::members() {
  static const ServerMembers<PagesServer> table{{{"Count", {Kind::Get}}, &PagesServer::count}};
  return table;
}

}  // namespace quirevo::spreadsheet
