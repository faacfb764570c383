#pragma once

#include "platform/automation_factory.h"

namespace quirevo {

// Automation objects through COM: ProgID -> CLSID -> an in-process or local server's IDispatch.
class ComAutomationFactory final : public AutomationFactory {
 public:
  std::unique_ptr<AutomationApartment> enterApartment() override;
  DispatchPtr createObject(std::string_view progId) override;
};

}  // namespace quirevo
