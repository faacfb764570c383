#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quirevo::testing {

// One run of Quirevo.exe. A run still going when the object ends is ended by force, so no
// program outlives its scenario, passed or failed.
class ProgramRun {
 public:
  // With an argument, the program is started with it as its one command-line argument.
  ProgramRun(const std::wstring& executable, const std::wstring& workingDirectory,
             const std::optional<std::wstring>& argument = {});
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;
  ~ProgramRun();

  DWORD processId() const { return process_.dwProcessId; }
  // The main window, once it shows.
  HWND waitForWindow(DWORD timeoutMs = 60000) const;
  // Ends the program at once, as Task Manager does, and waits until it has ended.
  void kill() const;
  // The exit code, or nothing when the program is still running after the time.
  std::optional<DWORD> waitForExit(DWORD timeoutMs = 20000) const;

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace quirevo::testing
