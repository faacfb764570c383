#include "platform/registry/component_registry.h"

#include <algorithm>

#include "workbook/automation_error.h"

namespace quirevo {

namespace {
std::string lowerCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return out;
}
}  // namespace

void ComponentRegistry::add(std::string progId, Constructor constructor) {
  components_[lowerCase(progId)] = std::move(constructor);
}

std::unique_ptr<AutomationApartment> ComponentRegistry::enterApartment() {
  return std::make_unique<AutomationApartment>();
}

DispatchPtr ComponentRegistry::createObject(std::string_view progId) {
  const auto component = components_.find(lowerCase(progId));
  if (component == components_.end()) {
    throw statusFailure(status::kInvalidClassString);
  }
  return component->second();
}

}  // namespace quirevo
