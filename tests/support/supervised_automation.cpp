#include "tests/support/supervised_automation.h"

#include "supervision/supervised_object.h"

namespace quirevo::testing {

namespace {

// The launcher stays the caller's: the supervision gets one that passes everything on to it.
class BorrowedLauncher final : public supervision::ApplicationLauncher {
 public:
  explicit BorrowedLauncher(StandInLauncher& launcher) : launcher_(launcher) {}
  DispatchPtr start() override { return launcher_.start(); }
  bool running() override { return launcher_.running(); }
  void stop() override { launcher_.stop(); }
  bool showsDeath(const AutomationError& failure) override { return launcher_.showsDeath(failure); }

 private:
  StandInLauncher& launcher_;
};

}  // namespace

std::unique_ptr<AutomationApartment> SupervisedAutomation::enterApartment() {
  return std::make_unique<AutomationApartment>();
}

DispatchPtr SupervisedAutomation::createObject(std::string_view) {
  return supervision::superviseApplication(std::make_unique<BorrowedLauncher>(launcher_), wait_,
                                           "Excel");
}

}  // namespace quirevo::testing
