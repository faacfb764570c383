#include "platform/libreoffice/workbook_object.h"

namespace quirevo::office {

Variant WorkbookObject::close(const BoundArguments&) {
  session().close(workbook_);
  return {};
}

}  // namespace quirevo::office
