#include "programs/windows/console_interruption.h"

#include <atomic>
#include <stdexcept>

namespace quirevo {

namespace {

// The system calls the handler on a thread of its own, which reaches nothing but globals: the
// one run the handler serves, and how many calls are under way, so that the run's end can wait
// for them before the event they wait on goes.
std::atomic<ConsoleInterruption*> served{nullptr};
std::atomic<int> handling{0};

}  // namespace

BOOL WINAPI ConsoleInterruption::handleControl(DWORD event) {
  ++handling;
  ConsoleInterruption* run = served.load();
  if (run != nullptr) {
    run->interruption_.request();
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
      // The process is ended when this returns, and after some five seconds anyway: no time to
      // let a page being printed finish. The application is stopped and let go first.
      run->interruption_.request();
      WaitForSingleObject(run->ended_.get(), INFINITE);
    }
  }
  --handling;
  return run != nullptr ? TRUE : FALSE;
}

ConsoleInterruption::ConsoleInterruption(Interruption& interruption)
    : interruption_(interruption), ended_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (!ended_) {
    throw std::runtime_error("the console's interruption cannot be prepared");
  }
  served = this;
  if (!SetConsoleCtrlHandler(handleControl, TRUE)) {
    served = nullptr;
    throw std::runtime_error("the console's Ctrl+C cannot be handled");
  }
}

ConsoleInterruption::~ConsoleInterruption() {
  SetConsoleCtrlHandler(handleControl, FALSE);
  served = nullptr;
  runEnded();
  // A call that took this run before it was withdrawn still reads it and waits on the event.
  while (handling.load() > 0) {
    Sleep(1);
  }
}

void ConsoleInterruption::runEnded() {
  SetEvent(ended_.get());
}

}  // namespace quirevo
