#include "platform/libreoffice/pages_object.h"

#include "platform/libreoffice/sheet_pages.h"

namespace quirevo::office {

Variant PagesObject::count(const BoundArguments&) {
  return Variant::integer(printedPageCount(document_, sheet_));
}

}  // namespace quirevo::office
