#include "tests/support/plain_wait.h"

#include <chrono>

namespace quirevo::testing {

void PlainWait::wait(const WorkDone& done, const BusyWork& work) {
  ++waits;
  if (whenWaiting) {
    whenWaiting();
  }
  if (done.waitFor(kBusyDelay)) {
    return;
  }
  shown.push_back(work.describe());
  if (whenBusy) {
    whenBusy(work);
  }
  while (!done.waitFor(std::chrono::hours(1))) {
  }
}

}  // namespace quirevo::testing
