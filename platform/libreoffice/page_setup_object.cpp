#include "platform/libreoffice/page_setup_object.h"

#include "automation/spreadsheet_schema.h"
#include "platform/libreoffice/pages_object.h"

namespace quirevo::office {

const ServerMembers<PageSetupObject>& PageSetupObject::members() {
  static const ServerMembers<PageSetupObject> table{spreadsheet::pageSetup(),
                                                    {{"Pages", &PageSetupObject::pages}}};
  return table;
}

Variant PageSetupObject::pages(const BoundArguments&) {
  return Variant::object(makeDispatch<PagesObject>(sharedSession(), document_, sheet_));
}

}  // namespace quirevo::office
