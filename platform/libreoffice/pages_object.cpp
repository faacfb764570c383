#include "platform/libreoffice/pages_object.h"

#include "platform/libreoffice/sheet_pages.h"

namespace quirevo::office {

Variant PagesObject::count(const BoundArguments&) {
  session().doing(supervision::activities::countingPages(supervision::inQuotes(sheetName_)));
  return Variant::integer(printedPageCount(sheet_.document(session()), sheet_.sheet(session())));
}

}  // namespace quirevo::office
