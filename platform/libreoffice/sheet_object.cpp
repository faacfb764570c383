#include "platform/libreoffice/sheet_object.h"

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/page_setup_object.h"
#include "platform/libreoffice/sheet_printer.h"
#include "platform/libreoffice/workbook_sheets.h"

namespace quirevo::office {

using namespace spreadsheet;
namespace activities = supervision::activities;

Variant SheetObject::name(const BoundArguments&) {
  session().doing(activities::readingSheetName(sheet_.number()));
  return Variant::string(sheetName(sheet_.sheet(session())));
}

Variant SheetObject::pageSetup(const BoundArguments&) {
  return Variant::object(makeDispatch<PageSetupObject>(sharedSession(), sheet_));
}

Variant SheetObject::printOut(const BoundArguments& arguments) {
  // Quirevo never asks for either; the component offers neither rather than ignore them.
  if (arguments[kPreview].booleanValue()) {
    throw refusal("Print preview is not supported");
  }
  if (arguments[kPrintToFile].booleanValue()) {
    throw refusal("Printing to a file is not supported");
  }
  const SheetPrintRequest request{arguments[kFrom].integerValue(), arguments[kTo].integerValue(),
                                  arguments[kCopies].integerValue(),
                                  arguments[kCollate].booleanValue(),
                                  arguments[kActivePrinter].stringValue()};
  session().checkAcceptsJobs(request.printer);
  session().doing(activities::readingSheetName(sheet_.number()));
  const auto& sheet = sheet_.sheet(session());
  session().doing(
      activities::printingSheet(supervision::inQuotes(sheetName(sheet)), request.from, request.to));
  printSheet(sheet_.document(session()), sheet, request);
  return {};
}

}  // namespace quirevo::office
