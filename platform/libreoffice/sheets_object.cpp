#include "platform/libreoffice/sheets_object.h"

#include "platform/libreoffice/sheet_object.h"
#include "platform/libreoffice/workbook_sheets.h"

namespace quirevo::office {

Variant SheetsObject::count(const BoundArguments&) {
  session().doing(supervision::activities::countingSheets(workbook_->title()));
  return Variant::integer(sheetsOf(session().document(*workbook_))->getCount());
}

Variant SheetsObject::item(const BoundArguments& arguments) {
  const std::int32_t number = arguments[0].integerValue();
  session().doing(supervision::activities::findingSheet(number, workbook_->title()));
  HeldSheet sheet(workbook_, number);
  sheet.sheet(session());  // a number outside the workbook fails here, not at the sheet's use
  return Variant::object(makeDispatch<SheetObject>(sharedSession(), std::move(sheet)));
}

}  // namespace quirevo::office
