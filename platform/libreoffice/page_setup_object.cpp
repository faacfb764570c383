#include "platform/libreoffice/page_setup_object.h"

#include "platform/libreoffice/pages_object.h"

namespace quirevo::office {

Variant PageSetupObject::pages(const BoundArguments&) {
  return Variant::object(makeDispatch<PagesObject>(sharedSession(), document_, sheet_));
}

}  // namespace quirevo::office
