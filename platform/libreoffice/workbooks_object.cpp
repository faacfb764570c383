#include "platform/libreoffice/workbooks_object.h"

#include "automation/spreadsheet_schema.h"

namespace quirevo::office {

const ServerMembers<WorkbooksObject>& WorkbooksObject::members() {
  static const ServerMembers<WorkbooksObject> table{
      spreadsheet::workbooks(), {{"Add", &WorkbooksObject::add}, {"Open", &WorkbooksObject::open}}};
  return table;
}

Variant WorkbooksObject::add(const BoundArguments&) {
  session().add();
  return {};
}

Variant WorkbooksObject::open(const BoundArguments& arguments) {
  session().open(arguments[0].stringValue());
  return {};
}

}  // namespace quirevo::office
