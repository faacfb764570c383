#include "platform/libreoffice/page_setup_object.h"

#include "platform/libreoffice/pages_object.h"
#include "platform/libreoffice/workbook_sheets.h"

namespace quirevo::office {

// The sheet's name is read here, so that counting, which may take the office very long, can say
// which sheet it counts without asking the office anything first.
Variant PageSetupObject::pages(const BoundArguments&) {
  session().doing(supervision::activities::readingSheetName(sheet_.number()));
  std::string name = sheetName(sheet_.sheet(session()));
  return Variant::object(makeDispatch<PagesObject>(sharedSession(), sheet_, std::move(name)));
}

}  // namespace quirevo::office
