#pragma once

#include <exception>
#include <string_view>

#include "platform/font.h"
#include "platform/geometry.h"

namespace quirevo {

// What the widget model needs from around it: the backend's beep and text measurement, and the
// application's report of a failed event handler.
class UiServices {
 public:
  virtual void beep() = 0;
  virtual Size measureText(std::string_view text, const Font& font) const = 0;
  // The decimal separator of the user's locale, which a spin edit accepts as a key.
  virtual char32_t decimalSeparator() const = 0;
  virtual void reportError(const std::exception& error) = 0;

 protected:
  ~UiServices() = default;
};

}  // namespace quirevo
