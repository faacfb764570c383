#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "automation/dispatch.h"
#include "automation/variant.h"

namespace quirevo {

// The variant types one parameter accepts.
class TypeSet {
 public:
  TypeSet(std::initializer_list<Variant::Type> types) {
    for (Variant::Type type : types) {
      bits_ |= 1U << static_cast<unsigned>(type);
    }
  }
  bool contains(Variant::Type type) const { return (bits_ >> static_cast<unsigned>(type)) & 1U; }

 private:
  unsigned bits_ = 0;
};

// The invoke kinds one member accepts.
class KindSet {
 public:
  KindSet(std::initializer_list<InvokeKind> kinds) {
    for (InvokeKind kind : kinds) {
      bits_ |= 1U << static_cast<unsigned>(kind);
    }
  }
  bool contains(InvokeKind kind) const { return (bits_ >> static_cast<unsigned>(kind)) & 1U; }

 private:
  unsigned bits_ = 0;
};

struct Parameter {
  std::string_view name;
  TypeSet accepts;
  bool optional = false;
};

struct MemberSignature {
  std::string_view name;
  KindSet kinds;
  std::vector<Parameter> parameters = {};
};

// A call's arguments bound to the member's parameters, positional and named alike.
class BoundArguments {
 public:
  explicit BoundArguments(std::size_t count) : slots_(count, nullptr) {}
  bool has(std::size_t parameter) const { return slots_.at(parameter) != nullptr; }
  const Variant& operator[](std::size_t parameter) const { return *slots_.at(parameter); }
  void bind(std::size_t parameter, const Variant& value) { slots_.at(parameter) = &value; }

 private:
  std::vector<const Variant*> slots_;
};

// What every server shares: names to ids without regard to case, and the checks of kind,
// argument count and argument types that raise the protocol's standard errors.
class MemberTable {
 public:
  explicit MemberTable(std::vector<MemberSignature> members) : members_(std::move(members)) {}

  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) const;
  BoundArguments bind(DispId member, InvokeKind kind, std::span<const Variant> positional,
                      std::span<const NamedArgument> named) const;
  const MemberSignature& signature(DispId member) const;
  std::size_t size() const { return members_.size(); }

 private:
  std::vector<MemberSignature> members_;
};

}  // namespace quirevo
