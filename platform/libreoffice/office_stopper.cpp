#include "platform/libreoffice/office_stopper.h"

#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "platform/libreoffice/office_process.h"

namespace quirevo::office {

void OfficeStopper::watch(const OfficeProcess& process) {
  const std::lock_guard lock(mutex_);
  process_ = process.descriptor().duplicate();
  if (stopped_) {
    kill();
  }
}

void OfficeStopper::rearm() {
  const std::lock_guard lock(mutex_);
  stopped_ = false;
}

void OfficeStopper::stop() {
  const std::lock_guard lock(mutex_);
  stopped_ = true;
  kill();
}

bool OfficeStopper::stopped() const {
  const std::lock_guard lock(mutex_);
  return stopped_;
}

// A process that has already ended is not signalled at all.
void OfficeStopper::kill() const {
  if (process_.valid()) {
    syscall(SYS_pidfd_send_signal, process_.get(), SIGKILL, nullptr, 0);
  }
}

}  // namespace quirevo::office
