#include "platform/com/com_automation_factory.h"

#include "platform/com/com_apartment.h"
#include "platform/com/com_class.h"

namespace quirevo {

std::unique_ptr<AutomationApartment> ComAutomationFactory::enterApartment() {
  return std::make_unique<ComApartment>();
}

DispatchPtr ComAutomationFactory::createObject(std::string_view progId) {
  return createComObject(classOfProgId(progId));
}

}  // namespace quirevo
