#pragma once

#include <memory>
#include <span>
#include <utility>

#include "platform/libreoffice/session.h"
#include "automation/dispatch_server.h"

namespace quirevo::office {

// Every object of the component: served from its member table, each request run on the office
// so that the office's failures and its death come back as the request's error.
template <class Self>
class OfficeObject : public DispatchServer<Self> {
 public:
  explicit OfficeObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}

  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override {
    return session_->request(
        [&] { return DispatchServer<Self>::invoke(member, kind, positional, named); });
  }

 protected:
  Session& session() { return *session_; }
  const std::shared_ptr<Session>& sharedSession() const { return session_; }

 private:
  std::shared_ptr<Session> session_;
};

}  // namespace quirevo::office
