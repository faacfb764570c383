#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation_factory.h"

namespace quirevo {

// Automation objects on a platform without COM: built-in components registered under their
// ProgIDs, matched without regard to case as class names are.
class ComponentRegistry : public AutomationFactory {
 public:
  using Constructor = std::function<DispatchPtr()>;

  void add(std::string progId, Constructor constructor);

  std::unique_ptr<AutomationApartment> enterApartment() override;
  // An unknown ProgID fails as COM reports it: "Invalid class string".
  DispatchPtr createObject(std::string_view progId) override;

 private:
  std::map<std::string, Constructor> components_;  // keyed by the lower-case ProgID
};

}  // namespace quirevo
