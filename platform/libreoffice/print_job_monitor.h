#pragma once

#include <mutex>
#include <vector>

#include <com/sun/star/view/PrintJobEvent.hpp>
#include <com/sun/star/view/XPrintJobBroadcaster.hpp>
#include <com/sun/star/view/XPrintJobListener.hpp>
#include <cppuhelper/implbase1.hxx>

namespace quirevo::office {

// Hears what becomes of the print jobs of one document while it is registered with it; the office
// calls it from its bridge's thread.
class PrintJobMonitor : public cppu::WeakImplHelper1<css::view::XPrintJobListener> {
 public:
  void SAL_CALL printJobEvent(const css::view::PrintJobEvent& event) override;
  void SAL_CALL disposing(const css::lang::EventObject& source) override;

  // Whether a job was handed to the printing system, and whether one failed.
  bool spooled() const;
  bool failed() const;

 private:
  mutable std::mutex mutex_;
  std::vector<css::view::PrintableState> states_;
};

// Registers a monitor with a document for as long as it lives.
class MonitoredPrinting {
 public:
  explicit MonitoredPrinting(css::uno::Reference<css::view::XPrintJobBroadcaster> document);
  ~MonitoredPrinting();
  MonitoredPrinting(const MonitoredPrinting&) = delete;
  MonitoredPrinting& operator=(const MonitoredPrinting&) = delete;

  const PrintJobMonitor& monitor() const { return *monitor_; }

 private:
  css::uno::Reference<css::view::XPrintJobBroadcaster> document_;
  PrintJobMonitor* monitor_;
  css::uno::Reference<css::view::XPrintJobListener> listener_;
};

}  // namespace quirevo::office
