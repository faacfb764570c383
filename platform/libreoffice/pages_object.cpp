#include "platform/libreoffice/pages_object.h"

#include "platform/libreoffice/sheet_pages.h"

namespace quirevo::office {

const ServerMembers<PagesObject>& PagesObject::members() {
  static const ServerMembers<PagesObject> table{
      {{"Count", {InvokeKind::Get}}, &PagesObject::count}};
  return table;
}

Variant PagesObject::count(const BoundArguments&) {
  return Variant::integer(printedPageCount(document_, sheet_));
}

}  // namespace quirevo::office
