#pragma once

#include "automation/variant.h"

namespace quirevo {

// The program-wide automation object of the spreadsheet application: empty until FormCreate
// stores it, never replaced during the run, cleared once at program end.
Variant& spreadsheetSession();

}  // namespace quirevo
