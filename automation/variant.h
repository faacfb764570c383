#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "automation/dispatch_ptr.h"

namespace quirevo {

// A value crossing the automation boundary. By-reference values point at the caller's variable,
// which the callee may write; the caller sees the new value after the call.
class Variant {
 public:
  // Order matches the alternatives of value_.
  enum class Type { Empty, Integer, Boolean, String, Object, IntegerRef, StringRef };

  Variant() = default;
  static Variant integer(std::int32_t value);
  static Variant boolean(bool value);
  static Variant string(std::string value);
  static Variant object(DispatchPtr value);
  static Variant integerRef(std::int32_t& target);
  static Variant stringRef(std::string& target);

  Type type() const { return static_cast<Type>(value_.index()); }
  bool isEmpty() const { return type() == Type::Empty; }
  // An object reference that refers to nothing (the automation "Nothing").
  bool isNothing() const { return type() == Type::Object && !std::get<DispatchPtr>(value_); }
  void clear() { value_ = std::monostate{}; }

  // Exact accessors for servers: by-value and by-reference forms of one type read alike.
  // Throw std::bad_variant_access on another type; servers check types before reading.
  std::int32_t integerValue() const;
  bool booleanValue() const { return std::get<bool>(value_); }
  const std::string& stringValue() const;
  const DispatchPtr& objectValue() const { return std::get<DispatchPtr>(value_); }
  std::int32_t* integerTarget() const { return std::get<std::int32_t*>(value_); }
  std::string* stringTarget() const { return std::get<std::string*>(value_); }

  // Conversions a handler applies to a result; they throw VariantConversionError.
  std::int32_t toInt32() const;
  std::string toText() const;

  // "int 3", "bool false", "string \"x\"", "int& 3", "string& \"x\"", "object", "nothing", "empty"
  std::string describe() const;

 private:
  using Value = std::variant<std::monostate, std::int32_t, bool, std::string, DispatchPtr,
                             std::int32_t*, std::string*>;
  explicit Variant(Value value) : value_(std::move(value)) {}
  Value value_;
};

std::string_view typeName(Variant::Type type);

}  // namespace quirevo
