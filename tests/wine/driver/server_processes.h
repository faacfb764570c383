#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace quirevo::testing {

// The executable of the out-of-process test server, as the process list names it.
inline constexpr wchar_t kServerExecutable[] = L"quirevo_test_server.exe";

using ProcessIds = std::vector<DWORD>;

// The processes now running the out-of-process test server, found by their executable's name
// (in any case) in the process list.
ProcessIds serverProcesses();

// Polls the list until the condition holds on it: the list it held on, or nothing when the time
// ran out first.
std::optional<ProcessIds> waitForServerProcesses(
    const std::function<bool(const ProcessIds&)>& condition, DWORD timeoutMs = 20000);

// Conditions for the wait.
std::function<bool(const ProcessIds&)> atLeast(std::size_t count);
std::function<bool(const ProcessIds&)> exactly(std::size_t count);

// Ends the process at once, as Task Manager does, and waits until it has ended; true when it is
// gone (also when it was already), false when it could not be ended in the time.
bool endProcess(DWORD processId, DWORD timeoutMs = 10000);

}  // namespace quirevo::testing
