#include "tests/wine/server/abrupt_end.h"

#include <windows.h>

#include <cstdlib>

namespace quirevo::testing {

namespace {

// The exit code of a server that died on purpose, told apart from a served run's 0.
constexpr UINT kDiedExitCode = 3;

}  // namespace

void hangForever() {
  for (;;) {
    Sleep(INFINITE);
  }
}

void dieAtOnce() {
  TerminateProcess(GetCurrentProcess(), kDiedExitCode);
  // Only reached when the process could not end itself; it must not carry on serving.
  std::abort();
}

}  // namespace quirevo::testing
