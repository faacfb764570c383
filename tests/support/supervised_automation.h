#pragma once

#include <memory>
#include <string_view>

#include "platform/automation_factory.h"
#include "platform/busy_wait.h"
#include "tests/support/stand_in_launcher.h"

namespace quirevo::testing {

// "Excel.Application" as the Windows program creates it: the application supervised, each of
// its runs a stand-in of the launcher, which the caller keeps.
class SupervisedAutomation final : public AutomationFactory {
 public:
  SupervisedAutomation(StandInLauncher& launcher, BusyWait& wait)
      : launcher_(launcher), wait_(wait) {}
  std::unique_ptr<AutomationApartment> enterApartment() override;
  DispatchPtr createObject(std::string_view progId) override;

 private:
  StandInLauncher& launcher_;
  BusyWait& wait_;
};

}  // namespace quirevo::testing
