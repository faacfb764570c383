#pragma once

#include <chrono>
#include <string>

#include "platform/busy_wait.h"

namespace quirevo {

class QtDesktop;

// Waiting on the window's thread for work done elsewhere, Qt's way: a nested event loop keeps
// every window painted while user input to them is refused, and the busy dialog comes up over the
// main window after the delay.
class QtBusyWait : public BusyWait {
 public:
  // title captions the dialog; the dialog belongs to the desktop's main window while it has one.
  QtBusyWait(const QtDesktop& desktop, std::string title,
             std::chrono::milliseconds delay = kBusyDelay);

  void wait(const WorkDone& done, const BusyWork& work) override;

 private:
  const QtDesktop& desktop_;
  std::string title_;
  std::chrono::milliseconds delay_;
};

}  // namespace quirevo
