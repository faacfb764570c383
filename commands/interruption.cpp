#include "commands/interruption.h"

#include <chrono>

namespace quirevo {

namespace {
// How soon an interruption is noticed while a request runs.
constexpr std::chrono::milliseconds kWatch{50};
}  // namespace

void InterruptibleWait::wait(const WorkDone& done, const BusyWork& work) {
  bool stopped = false;
  while (!done.waitFor(kWatch)) {
    if (!stopped && interruption_.stopsWork()) {
      stopped = true;
      work.stop();
    }
  }
}

}  // namespace quirevo
