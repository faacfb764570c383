#include "workbook/application_lifecycle.h"

#include "automation/late_binding.h"

namespace quirevo {

void prepareApplication(const Variant& session) {
  late(session).put("DisplayAlerts", Variant::boolean(false));
  late(session).put("Visible", Variant::boolean(false));
  late(session).get("Workbooks").call("Add");
}

void closeAndQuit(const Variant& session) {
  const LateBound workbook = late(session).get("ActiveWorkbook");
  // With no workbook open there is nothing to close; quitting still ends the application.
  if (!workbook.value().isNothing()) {
    workbook.call("Close");
  }
  late(session).get("Application").call("Quit");
}

}  // namespace quirevo
