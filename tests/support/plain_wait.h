#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/busy_wait.h"

namespace quirevo::testing {

// The headless platform's wait: it blocks until the work is done. Where Qt would raise the busy
// dialog it notes the dialog's sentence and lets the test act as the user would.
class PlainWait : public BusyWait {
 public:
  void wait(const WorkDone& done, const BusyWork& work) override;

  // Called as each wait begins, the work under way.
  std::function<void()> whenWaiting;
  // What the user does once the dialog is up, on the waiting thread: press Stop, kill the office.
  std::function<void(const BusyWork&)> whenBusy;

  int waits = 0;
  // The busy dialog's sentence for every wait that outlived the delay, in order.
  std::vector<std::string> shown;
};

}  // namespace quirevo::testing
