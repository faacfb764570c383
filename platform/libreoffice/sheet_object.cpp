#include "platform/libreoffice/sheet_object.h"

#include <com/sun/star/container/XNamed.hpp>

#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/page_setup_object.h"
#include "platform/libreoffice/sheet_printer.h"
#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

using namespace spreadsheet;

Variant SheetObject::name(const BoundArguments&) {
  return Variant::string(fromUno(
      css::uno::Reference<css::container::XNamed>(sheet_, css::uno::UNO_QUERY_THROW)->getName()));
}

Variant SheetObject::pageSetup(const BoundArguments&) {
  return Variant::object(makeDispatch<PageSetupObject>(sharedSession(), document_, sheet_));
}

Variant SheetObject::printOut(const BoundArguments& arguments) {
  // Quirevo never asks for either; the component offers neither rather than ignore them.
  if (arguments[kPreview].booleanValue()) {
    throw refusal("Print preview is not supported");
  }
  if (arguments[kPrintToFile].booleanValue()) {
    throw refusal("Printing to a file is not supported");
  }
  printSheet(document_, sheet_,
             {arguments[kFrom].integerValue(), arguments[kTo].integerValue(),
              arguments[kCopies].integerValue(), arguments[kCollate].booleanValue(),
              arguments[kActivePrinter].stringValue()});
  return {};
}

}  // namespace quirevo::office
