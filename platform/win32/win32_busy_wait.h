#pragma once

#include <chrono>
#include <string>

#include "platform/busy_wait.h"

namespace quirevo {

class Win32Desktop;

// Waiting on the window's thread for work done elsewhere, the Win32 way: a nested message loop
// keeps every window painted while user input to the main window is refused, and the busy dialog
// comes up over the main window after the delay.
class Win32BusyWait final : public BusyWait {
 public:
  // title captions the dialog; the dialog belongs to the desktop's main window while it has one.
  Win32BusyWait(const Win32Desktop& desktop, std::string title,
                std::chrono::milliseconds delay = kBusyDelay);

  void wait(const WorkDone& done, const BusyWork& work) override;

 private:
  const Win32Desktop& desktop_;
  std::string title_;
  std::chrono::milliseconds delay_;
};

}  // namespace quirevo
