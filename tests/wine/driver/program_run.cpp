#include "tests/wine/driver/program_run.h"

#include <stdexcept>

#include "tests/win/window_access.h"

namespace quirevo::testing {

ProgramRun::ProgramRun(const std::wstring& executable, const std::wstring& workingDirectory,
                       const std::optional<std::wstring>& argument) {
  std::wstring commandLine = L"\"" + executable + L"\"";
  if (argument) {
    commandLine += L" \"" + *argument + L"\"";
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDirectory.c_str(), &startup, &process_)) {
    throw std::runtime_error("Quirevo.exe does not start: error " + std::to_string(GetLastError()));
  }
}

ProgramRun::~ProgramRun() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramRun::waitForWindow(DWORD timeoutMs) const {
  HWND main = nullptr;
  waitFor(
      [&] { return (main = topLevel(processId(), L"QuirevoForm", L"Quirevo v1.1")) != nullptr; },
      timeoutMs);
  return main;
}

void ProgramRun::kill() const {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 10000);
}

std::optional<DWORD> ProgramRun::waitForExit(DWORD timeoutMs) const {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace quirevo::testing
