#include "platform/libreoffice/application_object.h"

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/sheets_object.h"
#include "platform/libreoffice/workbook_object.h"
#include "platform/libreoffice/workbooks_object.h"

namespace quirevo::office {

ApplicationObject::ApplicationObject(const OfficeOptions& options)
    : OfficeObject(std::make_shared<Session>(options)) {}

ApplicationObject::~ApplicationObject() {
  session().end();
}

// The office never asks anything, so the setting is only kept.
Variant ApplicationObject::putDisplayAlerts(const BoundArguments& arguments) {
  session().displayAlerts = arguments[0].booleanValue();
  return {};
}

Variant ApplicationObject::putVisible(const BoundArguments& arguments) {
  session().visible = arguments[0].booleanValue();
  session().showWindows();
  return {};
}

Variant ApplicationObject::workbooks(const BoundArguments&) {
  return Variant::object(makeDispatch<WorkbooksObject>(sharedSession()));
}

Variant ApplicationObject::activeWorkbook(const BoundArguments&) {
  auto document = session().activeDocument();
  if (!document.is()) {
    return Variant::object({});
  }
  return Variant::object(makeDispatch<WorkbookObject>(sharedSession(), std::move(document)));
}

Variant ApplicationObject::application(const BoundArguments&) {
  return Variant::object(DispatchPtr::share(this));
}

Variant ApplicationObject::sheets(const BoundArguments&) {
  auto document = session().activeDocument();
  if (!document.is()) {
    throw refusal("No workbook is open");
  }
  return Variant::object(makeDispatch<SheetsObject>(sharedSession(), std::move(document)));
}

Variant ApplicationObject::quit(const BoundArguments&) {
  session().office().quit();
  return {};
}

}  // namespace quirevo::office
