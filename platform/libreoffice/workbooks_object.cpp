#include "platform/libreoffice/workbooks_object.h"

#include "platform/libreoffice/document_loader.h"

namespace quirevo::office {

Variant WorkbooksObject::add(const BoundArguments&) {
  opened(addWorkbook(session().office().desktop()));
  return {};
}

Variant WorkbooksObject::open(const BoundArguments& arguments) {
  opened(openWorkbook(session().office().desktop(), arguments[0].stringValue()));
  return {};
}

void WorkbooksObject::opened(css::uno::Reference<css::frame::XModel> document) {
  session().added(std::move(document));
  session().showWindows();
}

}  // namespace quirevo::office
