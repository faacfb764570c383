#pragma once

#include <mutex>

#include "platform/libreoffice/unique_fd.h"

namespace quirevo::office {

class OfficeProcess;

// Ends the office a request is waiting for, at once, from the window's thread while the request
// thread is blocked in a call to it. It signals through a process descriptor, so that it can never
// hit another process that came to have the office's process id.
class OfficeStopper {
 public:
  OfficeStopper() = default;
  OfficeStopper(const OfficeStopper&) = delete;
  OfficeStopper& operator=(const OfficeStopper&) = delete;

  // From the request thread: every office process as it is started. One started after a stop
  // is ended at once.
  void watch(const OfficeProcess& process);
  // From the window's thread, before each request is handed over.
  void rearm();

  // From the window's thread: kills the office of the request under way.
  void stop();
  // Whether stop() was called since the request began.
  bool stopped() const;

 private:
  void kill() const;

  mutable std::mutex mutex_;
  UniqueFd process_;
  bool stopped_ = false;
};

}  // namespace quirevo::office
