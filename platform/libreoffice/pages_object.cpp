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
  return Variant::integer(printedPageCount(document_, sheet_));
}

}  // namespace quirevo::office
