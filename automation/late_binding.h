#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "automation/dispatch.h"
#include "automation/variant.h"

namespace quirevo {

struct NamedValue {
  std::string_view name;
  Variant value;
};

// Reads like an automation path while keeping every call visible:
//   late(session).get("Sheets").indexedGet("Item", Variant::integer(2)).get("name")
// Each step resolves the member by name and invokes it once; intermediate objects are owned by
// the temporaries and released at the end of the expression.
class LateBound {
 public:
  explicit LateBound(Variant value) : value_(std::move(value)) {}

  LateBound get(std::string_view member) const;
  LateBound indexedGet(std::string_view member, Variant index) const;
  void put(std::string_view member, Variant value) const;
  void call(std::string_view member, std::span<const Variant> positional = {},
            std::span<const NamedValue> named = {}) const;
  void call(std::string_view member, std::initializer_list<Variant> positional) const {
    call(member, std::span<const Variant>(positional.begin(), positional.size()));
  }

  const Variant& value() const { return value_; }
  std::int32_t toInt32() const { return value_.toInt32(); }
  std::string toText() const { return value_.toText(); }

 private:
  Variant invoke(std::string_view member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedValue> named) const;
  Variant value_;
};

inline LateBound late(const Variant& value) {
  return LateBound(value);
}

}  // namespace quirevo
