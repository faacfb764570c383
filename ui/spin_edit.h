#pragma once

#include <cstdint>
#include <string_view>

#include "ui/control.h"

namespace quirevo {

enum class Key { Up, Down };

// A whole number from 1 to 999 in an edit field of at most three characters with up and down
// buttons. A text that is no whole number reads as the minimum.
class SpinEdit : public Control {
 public:
  static constexpr std::int32_t kMinValue = 1;
  static constexpr std::int32_t kMaxValue = 999;
  static constexpr std::size_t kMaxLength = 3;

  SpinEdit(Control& parent, ControlArgs args, std::int32_t value = kMinValue);

  std::int32_t value() const;
  void setValue(std::int32_t value);

  // A character the user typed, before the field takes it. Of the printable characters only
  // digits, "+", "-" and the decimal separator pass; the others and Enter are refused with a beep.
  bool userKeyPress(char32_t character);
  // The field's text after the user edited it; a text over the length limit is refused.
  void userEdit(std::string text);
  // Types each character at the end of the field, as keystrokes through the key filter.
  void userType(std::string_view characters);
  void userKeyDown(Key key);
  // The up (+1) or down (-1) button.
  void userStep(int direction);
  // Leaving the field brings a value outside the bounds to the nearer bound.
  void userExit();

 private:
  static std::int32_t bounded(std::int32_t value);
};

}  // namespace quirevo
