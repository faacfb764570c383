#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "automation/variant.h"

namespace quirevo {

// A result that cannot be read as the type a handler needs, e.g. a page count that is no number.
class VariantConversionError : public std::runtime_error {
 public:
  VariantConversionError(Variant::Type from, std::string_view to)
      : std::runtime_error("Could not convert variant of type (" + std::string(typeName(from)) +
                           ") into type (" + std::string(to) + ")") {}
};

}  // namespace quirevo
