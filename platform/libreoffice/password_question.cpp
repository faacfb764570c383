#include "platform/libreoffice/password_question.h"

#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>
#include <cppu/unotype.hxx>

namespace quirevo::office {

// Every kind of password request (to open a document, an Excel one, a second one) derives from
// PasswordRequest.
void SAL_CALL
PasswordQuestion::handle(const css::uno::Reference<css::task::XInteractionRequest>& request) {
  if (request->getRequest().isExtractableTo(cppu::UnoType<css::task::PasswordRequest>::get())) {
    asked_ = true;
  }
  for (const auto& continuation : request->getContinuations()) {
    const css::uno::Reference<css::task::XInteractionAbort> abort(continuation,
                                                                  css::uno::UNO_QUERY);
    if (abort.is()) {
      abort->select();
      return;
    }
  }
}

}  // namespace quirevo::office
