#include "automation/variant.h"

#include <charconv>
#include <stdexcept>

#include "automation/variant_conversion_error.h"

namespace quirevo {

Variant Variant::integer(std::int32_t value) {
  return Variant(Value(value));
}
Variant Variant::boolean(bool value) {
  return Variant(Value(value));
}
Variant Variant::string(std::string value) {
  return Variant(Value(std::move(value)));
}
Variant Variant::object(DispatchPtr value) {
  return Variant(Value(std::move(value)));
}
Variant Variant::integerRef(std::int32_t& target) {
  return Variant(Value(&target));
}
Variant Variant::stringRef(std::string& target) {
  return Variant(Value(&target));
}

std::int32_t Variant::integerValue() const {
  return type() == Type::IntegerRef ? *integerTarget() : std::get<std::int32_t>(value_);
}

const std::string& Variant::stringValue() const {
  return type() == Type::StringRef ? *stringTarget() : std::get<std::string>(value_);
}

namespace {

bool parseDecimal(std::string_view text, std::int32_t& value) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string_view::npos) {
    return false;
  }
  text = text.substr(first, last - first + 1);
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') {
      return false;
    }
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::int32_t Variant::toInt32() const {
  switch (type()) {
    case Type::Empty:
      return 0;
    case Type::Integer:
    case Type::IntegerRef:
      return integerValue();
    case Type::Boolean:
      return booleanValue() ? -1 : 0;
    case Type::String:
    case Type::StringRef: {
      std::int32_t value = 0;
      if (parseDecimal(stringValue(), value)) {
        return value;
      }
      break;
    }
    case Type::Object:
      break;
  }
  throw VariantConversionError(type(), "Integer");
}

std::string Variant::toText() const {
  switch (type()) {
    case Type::Empty:
      return {};
    case Type::Integer:
    case Type::IntegerRef:
      return std::to_string(integerValue());
    case Type::Boolean:
      return booleanValue() ? "True" : "False";
    case Type::String:
    case Type::StringRef:
      return stringValue();
    case Type::Object:
      break;
  }
  throw VariantConversionError(type(), "String");
}

std::string Variant::describe() const {
  switch (type()) {
    case Type::Empty:
      return "empty";
    case Type::Integer:
      return "int " + std::to_string(integerValue());
    case Type::IntegerRef:
      return "int& " + std::to_string(integerValue());
    case Type::Boolean:
      return booleanValue() ? "bool true" : "bool false";
    case Type::String:
      return "string \"" + stringValue() + "\"";
    case Type::StringRef:
      return "string& \"" + stringValue() + "\"";
    case Type::Object:
      return isNothing() ? "nothing" : "object";
  }
  return "?";
}

std::string_view typeName(Variant::Type type) {
  switch (type) {
    case Variant::Type::Empty:
      return "Empty";
    case Variant::Type::Integer:
    case Variant::Type::IntegerRef:
      return "Integer";
    case Variant::Type::Boolean:
      return "Boolean";
    case Variant::Type::String:
    case Variant::Type::StringRef:
      return "String";
    case Variant::Type::Object:
      return "Dispatch";
  }
  return "?";
}

}  // namespace quirevo
