#include "platform/com/supervised_com_factory.h"

#include "platform/com/com_apartment.h"
#include "platform/com/com_application_launcher.h"
#include "supervision/supervised_object.h"

namespace quirevo {

namespace {

// The request thread serves in an apartment of its own, where the application's objects live.
void serveInApartment(const std::function<void()>& serve) {
  const ComApartment apartment;
  serve();
}

}  // namespace

std::string applicationName(std::string_view progId) {
  return std::string(progId.substr(0, progId.find('.')));
}

std::unique_ptr<AutomationApartment> SupervisedComFactory::enterApartment() {
  return std::make_unique<ComApartment>();
}

DispatchPtr SupervisedComFactory::createObject(std::string_view progId) {
  return supervision::superviseApplication(
      std::make_unique<ComApplicationLauncher>(std::string(progId)), wait_, applicationName(progId),
      serveInApartment);
}

}  // namespace quirevo
