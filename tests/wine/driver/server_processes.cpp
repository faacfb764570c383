#include "tests/wine/driver/server_processes.h"

#include "platform/windows/process_list.h"
#include "platform/windows/unique_handle.h"

namespace quirevo::testing {

namespace {

// Short enough that a wait ends soon after the list changes, long enough not to load Wine.
constexpr DWORD kPollIntervalMs = 50;

}  // namespace

ProcessIds serverProcesses() {
  const std::set<DWORD> running = processesRunning(kServerExecutable);
  return {running.begin(), running.end()};
}

std::optional<ProcessIds> waitForServerProcesses(
    const std::function<bool(const ProcessIds&)>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    ProcessIds running = serverProcesses();
    if (condition(running)) {
      return running;
    }
    if (GetTickCount64() >= deadline) {
      return std::nullopt;
    }
    Sleep(kPollIntervalMs);
  }
}

std::function<bool(const ProcessIds&)> atLeast(std::size_t count) {
  return [count](const ProcessIds& running) { return running.size() >= count; };
}

std::function<bool(const ProcessIds&)> exactly(std::size_t count) {
  return [count](const ProcessIds& running) { return running.size() == count; };
}

bool endProcess(DWORD processId, DWORD timeoutMs) {
  const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
  if (!process.valid()) {
    // No process of that id is left to end.
    return GetLastError() == ERROR_INVALID_PARAMETER;
  }
  // TerminateProcess fails on a process that is already ending; the wait decides either way.
  TerminateProcess(process.get(), 1);
  return WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace quirevo::testing
