#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "automation/dispatch.h"
#include "automation/member_table.h"

namespace quirevo {

// Reference counting for objects served in process; the object deletes itself with its last
// reference.
class RefCountedDispatch : public Dispatch {
 public:
  void addRef() noexcept override { ++references_; }
  void release() noexcept override {
    if (--references_ == 0) {
      delete this;
    }
  }

 protected:
  RefCountedDispatch() = default;
  RefCountedDispatch(const RefCountedDispatch&) = delete;
  RefCountedDispatch& operator=(const RefCountedDispatch&) = delete;
  virtual ~RefCountedDispatch() = default;

 private:
  long references_ = 1;
};

template <class Object, class... Args>
DispatchPtr makeDispatch(Args&&... args) {
  return DispatchPtr::adopt(new Object(std::forward<Args>(args)...));
}

// A server object written as a table of members, each with its signature and handler:
//   static const ServerMembers<Sheet>& members() {
//     static const ServerMembers<Sheet> table{{{"name", {InvokeKind::Get}}, &Sheet::name}};
//     return table;
//   }
template <class Self>
class ServerMembers {
 public:
  using Handler = Variant (Self::*)(const BoundArguments&);
  struct Entry {
    MemberSignature signature;
    Handler handler;
  };

  ServerMembers(std::initializer_list<Entry> entries) : table_(signaturesOf(entries)) {
    for (const Entry& entry : entries) {
      handlers_.push_back(entry.handler);
    }
  }
  const MemberTable& table() const { return table_; }
  Handler handler(DispId id) const { return handlers_.at(static_cast<std::size_t>(id)); }

 private:
  static std::vector<MemberSignature> signaturesOf(std::initializer_list<Entry> entries) {
    std::vector<MemberSignature> signatures;
    for (const Entry& entry : entries) {
      signatures.push_back(entry.signature);
    }
    return signatures;
  }
  MemberTable table_;
  std::vector<Handler> handlers_;
};

// Serves Dispatch from Self::members(). A server that logs or injects failures overrides
// requestArrived, which sees every invocation before it is checked.
template <class Self>
class DispatchServer : public RefCountedDispatch {
 public:
  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) override {
    return Self::members().table().idsOfNames(member, argumentNames);
  }

  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override {
    const auto& members = Self::members();
    const MemberSignature& signature = members.table().signature(member);
    requestArrived(signature, kind, positional, named);
    const BoundArguments arguments = members.table().bind(member, kind, positional, named);
    return (static_cast<Self&>(*this).*members.handler(member))(arguments);
  }

 protected:
  virtual void requestArrived(const MemberSignature& /*member*/, InvokeKind /*kind*/,
                              std::span<const Variant> /*positional*/,
                              std::span<const NamedArgument> /*named*/) {}
};

}  // namespace quirevo
