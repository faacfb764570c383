#include "commands/command_run.h"

#include <exception>
#include <memory>

#include "commands/command_line.h"
#include "commands/list_command.h"
#include "commands/print_command.h"
#include "commands/usage_error.h"
#include "platform/automation_factory.h"
#include "workbook/application_lifecycle.h"

namespace quirevo {

namespace {

int run(const Command& command, const Variant& session, CommandPlatform& platform, Console& console,
        Interruption& interruption) {
  if (const auto* list = std::get_if<ListCommand>(&command)) {
    return runList(*list, session, console, interruption);
  }
  return runPrint(std::get<PrintCommand>(command), session, platform.printers, console,
                  interruption);
}

}  // namespace

int runCommand(const std::vector<std::string>& arguments, CommandPlatform& platform,
               Console& console, Interruption& interruption) {
  Command command;
  try {
    command = parseCommandLine(arguments, console.out);
  } catch (const UsageError& refused) {
    console.err << "quirevo: " << refused.what() << '\n' << kUsageHint << '\n';
    return exit_status::kUsage;
  }
  if (std::holds_alternative<Answered>(command)) {
    return exit_status::kDone;
  }
  const auto apartment = platform.automation.enterApartment();
  Variant session;
  try {
    session = Variant::object(platform.automation.createObject("Excel.Application"));
    prepareApplication(session);
  } catch (const std::exception& failure) {
    console.err << "quirevo: the spreadsheet application cannot be started: " << failure.what()
                << '\n';
    session.clear();
    return exit_status::kSomeFailed;
  }
  int status = run(command, session, platform, console, interruption);
  if (status != exit_status::kInterrupted) {
    try {
      closeAndQuit(session);
    } catch (const std::exception& failure) {
      console.err << "quirevo: the spreadsheet application did not quit: " << failure.what()
                  << '\n';
      status = exit_status::kSomeFailed;
    }
  }
  // Released before the apartment ends; an application that was not asked to quit ends with it.
  session.clear();
  return status;
}

}  // namespace quirevo
