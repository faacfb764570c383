#include "platform/registry/linux_components.h"

#include "automation/automation_error.h"
#include "platform/registry/component_registry.h"
#ifdef QUIREVO_WITH_LIBREOFFICE
#include "platform/libreoffice/libreoffice_application.h"
#endif

namespace quirevo {

void registerLinuxComponents(ComponentRegistry& registry, [[maybe_unused]] BusyWait& wait) {
#ifdef QUIREVO_WITH_LIBREOFFICE
  registry.add("Excel.Application", [&wait] { return createLibreOfficeApplication(wait); });
#else
  // Until the LibreOffice Calc component is built in, the spreadsheet application cannot be
  // started on Linux; the user is told what is missing rather than given a bare status text.
  registry.add("Excel.Application", []() -> DispatchPtr {
    throw AutomationError(
        "Excel.Application is not available: this build of Quirevo has no LibreOffice Calc "
        "component");
  });
#endif
}

}  // namespace quirevo
