#include "platform/libreoffice/workbook_object.h"

#include <com/sun/star/util/XCloseable.hpp>

#include "platform/libreoffice/office_failure.h"

namespace quirevo::office {

// Workbooks are opened read-only and never changed, so closing never has anything to save.
Variant WorkbookObject::close(const BoundArguments&) {
  try {
    css::uno::Reference<css::util::XCloseable>(document_, css::uno::UNO_QUERY_THROW)->close(true);
  } catch (const css::lang::DisposedException& failure) {
    if (session().office().bridgeBroken(failure)) {
      throw;
    }
    throw refusal("The workbook has already been closed");
  }
  session().closed(document_);
  session().showWindows();
  return {};
}

}  // namespace quirevo::office
