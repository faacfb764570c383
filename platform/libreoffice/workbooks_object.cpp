#include "platform/libreoffice/workbooks_object.h"

namespace quirevo::office {

Variant WorkbooksObject::add(const BoundArguments&) {
  session().add();
  return {};
}

Variant WorkbooksObject::open(const BoundArguments& arguments) {
  session().open(arguments[0].stringValue());
  return {};
}

}  // namespace quirevo::office
