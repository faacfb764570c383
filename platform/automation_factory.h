#pragma once

#include <memory>
#include <string_view>

#include "automation/dispatch_ptr.h"

namespace quirevo {

// Held for as long as automation is used on the thread (COM's single-threaded apartment on
// Windows); it must outlive every automation reference.
class AutomationApartment {
 public:
  virtual ~AutomationApartment() = default;
};

// Creates automation objects by ProgID: COM on Windows, built-in components on Linux.
class AutomationFactory {
 public:
  virtual ~AutomationFactory() = default;
  virtual std::unique_ptr<AutomationApartment> enterApartment() = 0;
  // Throws AutomationError with the system's text when the ProgID is unknown or the object
  // cannot be created.
  virtual DispatchPtr createObject(std::string_view progId) = 0;
};

}  // namespace quirevo
