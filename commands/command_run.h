#pragma once

#include <string>
#include <vector>

#include "commands/console.h"
#include "commands/interruption.h"

namespace quirevo {

class AutomationFactory;
class PrinterList;

// What a command line run needs of its platform: the spreadsheet application (its requests
// waited for through an InterruptibleWait on the same interruption) and the printer list.
struct CommandPlatform {
  AutomationFactory& automation;
  PrinterList& printers;
};

// Runs "quirevo list ..." or "quirevo print ..." (the arguments after the program's name). Every
// argument is checked before anything runs; one spreadsheet application serves every workbook
// and is asked to quit at the end, or, after an interruption, is only let go. Gives the exit
// status: 0 all done, 1 a workbook failed, 2 an argument was refused, 130 interrupted.
int runCommand(const std::vector<std::string>& arguments, CommandPlatform& platform,
               Console& console, Interruption& interruption);

}  // namespace quirevo
