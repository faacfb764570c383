#include "platform/libreoffice/print_job_monitor.h"

#include <algorithm>

namespace quirevo::office {

void PrintJobMonitor::printJobEvent(const css::view::PrintJobEvent& event) {
  const std::lock_guard lock(mutex_);
  states_.push_back(event.State);
}

void PrintJobMonitor::disposing(const css::lang::EventObject&) {}

bool PrintJobMonitor::spooled() const {
  const std::lock_guard lock(mutex_);
  return std::any_of(states_.begin(), states_.end(), [](css::view::PrintableState state) {
    return state == css::view::PrintableState_JOB_SPOOLED ||
           state == css::view::PrintableState_JOB_COMPLETED;
  });
}

bool PrintJobMonitor::failed() const {
  const std::lock_guard lock(mutex_);
  return std::any_of(states_.begin(), states_.end(), [](css::view::PrintableState state) {
    return state == css::view::PrintableState_JOB_ABORTED ||
           state == css::view::PrintableState_JOB_FAILED ||
           state == css::view::PrintableState_JOB_SPOOLING_FAILED;
  });
}

MonitoredPrinting::MonitoredPrinting(css::uno::Reference<css::view::XPrintJobBroadcaster> document)
    : document_(std::move(document)), monitor_(new PrintJobMonitor), listener_(monitor_) {
  document_->addPrintJobListener(listener_);
}

MonitoredPrinting::~MonitoredPrinting() {
  try {
    document_->removePrintJobListener(listener_);
  } catch (const css::uno::Exception&) {
    // The document or the office has gone, and the registration with it.
  }
}

}  // namespace quirevo::office
