#include "platform/registry/linux_components.h"

#include "platform/registry/component_registry.h"
#include "workbook/automation_error.h"

namespace quirevo {

void registerLinuxComponents(ComponentRegistry& registry) {
  // Until the LibreOffice Calc component is built in, the spreadsheet application cannot be
  // started on Linux; the user is told what is missing rather than given a bare status text.
  registry.add("Excel.Application", []() -> DispatchPtr {
    throw AutomationError(
        "Excel.Application is not available: this build of Quirevo has no LibreOffice Calc "
        "component");
  });
}

}  // namespace quirevo
