#include "platform/libreoffice/workbook_object.h"

#include "automation/spreadsheet_schema.h"

namespace quirevo::office {

const ServerMembers<WorkbookObject>& WorkbookObject::members() {
  static const ServerMembers<WorkbookObject> table{spreadsheet::workbook(),
                                                   {{"Close", &WorkbookObject::close}}};
  return table;
}

Variant WorkbookObject::close(const BoundArguments&) {
  session().close(workbook_);
  return {};
}

}  // namespace quirevo::office
