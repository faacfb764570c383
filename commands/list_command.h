#pragma once

#include "automation/variant.h"
#include "commands/commands.h"
#include "commands/console.h"
#include "commands/interruption.h"

namespace quirevo {

// Lists each workbook's sheets as the window's list has them in English, under the file's name,
// or as one JSON document: [{"file", "sheets": [{"number", "name", "pages"}]} or {"file",
// "error"}]. A workbook's lines are written once all of them have been read. The exit status.
int runList(const ListCommand& command, const Variant& session, Console& console,
            const Interruption& interruption);

}  // namespace quirevo
