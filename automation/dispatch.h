#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/dispatch_ptr.h"
#include "automation/variant.h"

namespace quirevo {

using DispId = std::int32_t;

// The four ways a member is invoked. Get asks for a method or property value at once, as late
// binding does for a member named without arguments; IndexedGet reads a property with an index.
enum class InvokeKind { Get, IndexedGet, Put, Method };

std::string_view toString(InvokeKind kind);

struct NamedArgument {
  DispId id;
  Variant value;
};

// An object reached by late binding. Failures are thrown as AutomationError with the message
// the user sees.
class Dispatch {
 public:
  virtual void addRef() noexcept = 0;
  virtual void release() noexcept = 0;

  // Resolves a member and the names of its named arguments, without regard to case. The first id
  // is the member's, then one per argument name.
  virtual std::vector<DispId> idsOfNames(std::string_view member,
                                         std::span<const std::string_view> argumentNames) = 0;

  // Positional arguments come in their natural order (first parameter first). A put carries the
  // new value as its one positional argument.
  virtual Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                         std::span<const NamedArgument> named) = 0;

 protected:
  ~Dispatch() = default;
};

}  // namespace quirevo
