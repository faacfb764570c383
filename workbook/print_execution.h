#pragma once

#include "automation/variant.h"
#include "workbook/print_plan.h"

namespace quirevo {

// Prints what the settings ask for through the session's active workbook: every request is
// one PrintOut on a sheet fetched afresh, and the first refusal ends the press.
void printWorkbook(const Variant& session, const PrintSettings& settings);

}  // namespace quirevo
