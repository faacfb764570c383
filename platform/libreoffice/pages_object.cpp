#include "platform/libreoffice/pages_object.h"

#include "automation/spreadsheet_schema.h"
#include "platform/libreoffice/sheet_pages.h"

namespace quirevo::office {

const ServerMembers<PagesObject>& PagesObject::members() {
  static const ServerMembers<PagesObject> table{spreadsheet::pages(),
                                                {{"Count", &PagesObject::count}}};
  return table;
}

Variant PagesObject::count(const BoundArguments&) {
  session().doing("counting the pages of sheet \"" + sheetName_ + "\"");
  return Variant::integer(printedPageCount(sheet_.document(session()), sheet_.sheet(session())));
}

}  // namespace quirevo::office
