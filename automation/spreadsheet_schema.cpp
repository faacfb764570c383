#include "automation/spreadsheet_schema.h"

namespace quirevo::spreadsheet {

namespace {
using Type = Variant::Type;
using Kind = InvokeKind;
}  // namespace

const ObjectSchema& application() {
  static const ObjectSchema schema{"Application",
                                   {
                                       {"DisplayAlerts", {Kind::Put}, {{"Value", {Type::Boolean}}}},
                                       {"Visible", {Kind::Put}, {{"Value", {Type::Boolean}}}},
                                       {"Workbooks", {Kind::Get}},
                                       {"ActiveWorkbook", {Kind::Get}},
                                       {"Application", {Kind::Get}},
                                       {"Sheets", {Kind::Get}},
                                       {"Quit", {Kind::Method}},
                                   }};
  return schema;
}

const ObjectSchema& workbooks() {
  static const ObjectSchema schema{"Workbooks",
                                   {
                                       {"Add", {Kind::Method}},
                                       {"Open", {Kind::Method}, {{"Filename", {Type::String}}}},
                                   }};
  return schema;
}

const ObjectSchema& workbook() {
  static const ObjectSchema schema{"Workbook", {{"Close", {Kind::Method}}}};
  return schema;
}

// Loading names a sheet by value, printing by reference.
const ObjectSchema& sheets() {
  static const ObjectSchema schema{
      "Sheets",
      {
          {"count", {Kind::Get}},
          {"Item", {Kind::IndexedGet}, {{"Index", {Type::Integer, Type::IntegerRef}}}},
      }};
  return schema;
}

// Whole sheets start at the constant page 1, sent by value; every other number and the printer
// are the window's variables, sent by reference.
const ObjectSchema& sheet() {
  static const ObjectSchema schema{"Worksheet",
                                   {
                                       {"name", {Kind::Get}},
                                       {"PageSetup", {Kind::Get}},
                                       {"PrintOut",
                                        {Kind::Method},
                                        {{"From", {Type::Integer, Type::IntegerRef}},
                                         {"To", {Type::IntegerRef}},
                                         {"Copies", {Type::IntegerRef}},
                                         {"Preview", {Type::Boolean}},
                                         {"ActivePrinter", {Type::StringRef}},
                                         {"PrintToFile", {Type::Boolean}},
                                         {"Collate", {Type::Boolean}}}},
                                   }};
  return schema;
}

const ObjectSchema& pageSetup() {
  static const ObjectSchema schema{"PageSetup", {{"Pages", {Kind::Get}}}};
  return schema;
}

const ObjectSchema& pages() {
  static const ObjectSchema schema{"Pages", {{"Count", {Kind::Get}}}};
  return schema;
}

}  // namespace quirevo::spreadsheet
