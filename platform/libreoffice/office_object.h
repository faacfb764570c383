#pragma once

#include <memory>
#include <span>
#include <utility>

#include "automation/spreadsheet_schema.h"
#include "platform/libreoffice/session.h"

namespace quirevo::office {

// Every object of the component, on top of the application's declared members: each request
// runs on the office, so that the office's failures and its death come back as its error.
template <class Server>
class OfficeObject : public Server {
 public:
  explicit OfficeObject(std::shared_ptr<Session> session) : session_(std::move(session)) {}

  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override {
    return session_->request([&] { return Server::invoke(member, kind, positional, named); },
                             needsOffice(Server::members().table().signature(member).name));
  }

 protected:
  // Members that keep to what the session holds need no office: with none running (it died or
  // was stopped) they start none, so that Close after the office's death quits at once.
  virtual Session::OfficeNeed needsOffice(std::string_view /*member*/) const {
    return Session::OfficeNeed::Needed;
  }

  Session& session() { return *session_; }
  const std::shared_ptr<Session>& sharedSession() const { return session_; }

 private:
  std::shared_ptr<Session> session_;
};

}  // namespace quirevo::office
