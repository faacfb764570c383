#pragma once

#include "automation/variant.h"
#include "commands/commands.h"
#include "commands/console.h"
#include "commands/interruption.h"
#include "platform/printer_list.h"

namespace quirevo {

// Prints each workbook with the selection asked for, through the window's own use cases: the
// workbook opened and its sheets read as the window lists them, then the same requests a press
// of "Print" sends. A selection the workbook cannot satisfy is that workbook's error, before
// anything of it is printed. Each request is one line on standard output once it was taken
// ("Book.xlsx: sheet 2 "Totals", pages 1-3, 2 copies"); under --dry-run the lines of the plan,
// with nothing sent. The exit status.
int runPrint(const PrintCommand& command, const Variant& session, PrinterList& printers,
             Console& console, Interruption& interruption);

}  // namespace quirevo
