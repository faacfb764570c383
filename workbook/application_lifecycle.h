#pragma once

#include "automation/variant.h"

namespace quirevo {

// The spreadsheet application made ready for Quirevo: its alerts off, hidden, and one new, empty
// workbook, active until a file is opened.
void prepareApplication(const Variant& session);

// The active workbook closed, if one is, and the application asked to quit.
void closeAndQuit(const Variant& session);

}  // namespace quirevo
