#include "platform/registry/component_registry.h"

#include "automation/ascii_case.h"
#include "automation/automation_error.h"

namespace quirevo {

void ComponentRegistry::add(std::string progId, Constructor constructor) {
  components_[asciiLower(progId)] = std::move(constructor);
}

std::unique_ptr<AutomationApartment> ComponentRegistry::enterApartment() {
  return std::make_unique<AutomationApartment>();
}

DispatchPtr ComponentRegistry::createObject(std::string_view progId) {
  const auto component = components_.find(asciiLower(progId));
  if (component == components_.end()) {
    throw statusFailure(status::kInvalidClassString);
  }
  return component->second();
}

}  // namespace quirevo
