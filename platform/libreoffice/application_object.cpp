#include "platform/libreoffice/application_object.h"

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/sheets_object.h"
#include "platform/libreoffice/workbook_object.h"
#include "platform/libreoffice/workbooks_object.h"

namespace quirevo::office {

namespace activities = supervision::activities;

ApplicationObject::ApplicationObject(const OfficeOptions& options, BusyWait& wait)
    : OfficeObject(std::make_shared<Session>(options, wait)) {}

ApplicationObject::~ApplicationObject() {
  session().end();
}

// The active workbook and the application itself are what the session holds; Quit of an office
// that has gone has nothing left to end.
Session::OfficeNeed ApplicationObject::needsOffice(std::string_view member) const {
  return member == "ActiveWorkbook" || member == "Application" || member == "Quit"
             ? Session::OfficeNeed::Optional
             : Session::OfficeNeed::Needed;
}

Variant ApplicationObject::putDisplayAlerts(const BoundArguments& arguments) {
  session().setDisplayAlerts(arguments[0].booleanValue());
  return {};
}

Variant ApplicationObject::putVisible(const BoundArguments& arguments) {
  session().doing(arguments[0].booleanValue() ? activities::showingWindow(kOfficeName)
                                              : activities::hidingWindow(kOfficeName));
  session().setVisible(arguments[0].booleanValue());
  return {};
}

Variant ApplicationObject::workbooks(const BoundArguments&) {
  return Variant::object(makeDispatch<WorkbooksObject>(sharedSession()));
}

Variant ApplicationObject::activeWorkbook(const BoundArguments&) {
  auto workbook = session().active();
  if (!workbook) {
    return Variant::object({});
  }
  return Variant::object(makeDispatch<WorkbookObject>(sharedSession(), std::move(workbook)));
}

Variant ApplicationObject::application(const BoundArguments&) {
  return Variant::object(DispatchPtr::share(this));
}

// The way to every sheet: a workbook the user closed in the office's window is opened again here.
Variant ApplicationObject::sheets(const BoundArguments&) {
  auto workbook = session().active();
  if (!workbook) {
    throw refusal("No workbook is open");
  }
  session().doing(activities::lookingAt(workbook->title()));
  session().openDocument(*workbook);
  return Variant::object(makeDispatch<SheetsObject>(sharedSession(), std::move(workbook)));
}

Variant ApplicationObject::quit(const BoundArguments&) {
  session().doing(activities::closing(kOfficeName));
  session().quit();
  return {};
}

}  // namespace quirevo::office
