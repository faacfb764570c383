#pragma once

#include <atomic>

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

namespace quirevo::office {

// The office's interaction handler while a workbook loads: nobody is there to answer, so every
// question is aborted, and a question for a password is noted, so that a protected workbook can
// be named as such. The office calls it from its bridge's thread.
class PasswordQuestion : public cppu::WeakImplHelper1<css::task::XInteractionHandler> {
 public:
  void SAL_CALL handle(const css::uno::Reference<css::task::XInteractionRequest>& request) override;

  // Whether the office asked for a password.
  bool asked() const { return asked_; }

 private:
  std::atomic<bool> asked_ = false;
};

}  // namespace quirevo::office
