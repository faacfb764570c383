#pragma once

#include "platform/automation_factory.h"
#include "platform/busy_wait.h"

namespace quirevo {

// Automation objects through COM, each application supervised: its requests made on a request
// thread of their own (a single-threaded apartment with the busy-retry message filter) while the
// window waits through wait; a hung application can be stopped, and one that has gone is
// replaced at the next request. The window's own thread keeps an apartment for the shell's
// dialogs.
class SupervisedComFactory final : public AutomationFactory {
 public:
  explicit SupervisedComFactory(BusyWait& wait) : wait_(wait) {}

  std::unique_ptr<AutomationApartment> enterApartment() override;
  DispatchPtr createObject(std::string_view progId) override;

 private:
  BusyWait& wait_;
};

// How the user knows the application a ProgID names: "Excel" for "Excel.Application".
std::string applicationName(std::string_view progId);

}  // namespace quirevo
