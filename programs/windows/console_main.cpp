// quirevo.com, the Windows program's console companion: a prompt finds it before Quirevo.exe in
// the same folder, so "quirevo list ..." and "quirevo print ..." run here with their output on
// the console, while "quirevo" and "quirevo BOOK" start the window, Quirevo.exe, and return.
// Commands run as on Linux: the same use cases, Excel through COM supervised, its requests
// waited for until Ctrl+C.
#include <windows.h>

#include <exception>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "commands/command_run.h"
#include "commands/invocation.h"
#include "platform/com/supervised_com_factory.h"
#include "platform/win32/win32_printer_list.h"
#include "platform/windows/wide_text.h"
#include "programs/windows/console_interruption.h"
#include "programs/windows/utf8_console_output.h"
#include "programs/windows/window_start.h"

namespace {

int runCommandLine(const std::vector<std::string>& arguments) {
  quirevo::Interruption interruption;
  quirevo::ConsoleInterruption interruptingConsole(interruption);
  int status = quirevo::exit_status::kSomeFailed;
  {
    quirevo::InterruptibleWait wait(interruption);
    quirevo::Win32PrinterList printers;
    quirevo::SupervisedComFactory automation(wait);
    quirevo::CommandPlatform platform{automation, printers};
    quirevo::Console console{std::cout, std::cerr,
                             quirevo::isConsole(GetStdHandle(STD_ERROR_HANDLE))};
    status = quirevo::runCommand(arguments, platform, console, interruption);
  }
  // Written out before a closing console may end the process.
  std::cout.flush();
  std::cerr.flush();
  interruptingConsole.runEnded();
  return status;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const quirevo::Utf8ConsoleOutput utf8;
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    arguments.push_back(quirevo::toUtf8(argv[i]));
  }
  try {
    const auto invocation = quirevo::invocationOf(arguments);
    if (const auto* window = std::get_if<quirevo::OpenWindow>(&invocation)) {
      quirevo::startWindowProgram(window->workbook);
      return quirevo::exit_status::kDone;
    }
    return runCommandLine(std::get<quirevo::RunCommand>(invocation).arguments);
  } catch (const std::exception& failure) {
    // What stops the run itself (the window not to be started, COM not to be had).
    std::cerr << "quirevo: " << failure.what() << '\n';
    return quirevo::exit_status::kSomeFailed;
  }
}
