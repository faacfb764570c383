#pragma once

#include "automation/member_table.h"

// The objects of the spreadsheet application ("Excel.Application") and the members Quirevo's
// window uses on each: names, invoke kinds and argument types exactly as the window sends them.
// Every server of the application binds its handlers to these declarations, so that no two can
// disagree on what a request looks like.
namespace quirevo::spreadsheet {

// DisplayAlerts, Visible, Workbooks, ActiveWorkbook, Application, Sheets, Quit
const ObjectSchema& application();
// Add, Open(Filename)
const ObjectSchema& workbooks();
// Close
const ObjectSchema& workbook();
// count, Item(Index)
const ObjectSchema& sheets();
// name, PageSetup, PrintOut(From, To, Copies, Preview, ActivePrinter, PrintToFile, Collate)
const ObjectSchema& sheet();
// Pages
const ObjectSchema& pageSetup();
// Count
const ObjectSchema& pages();

// PrintOut's arguments, in their order.
enum PrintOutArgument { kFrom, kTo, kCopies, kPreview, kActivePrinter, kPrintToFile, kCollate };

}  // namespace quirevo::spreadsheet
