#pragma once

#include "ui/control.h"

namespace quirevo {

// Radio buttons form one group per parent: checking one unchecks the others of its parent only.
// OnClick comes when the button becomes checked, by the user or the program. Only the checked
// button of a group is a tab stop.
class RadioButton : public CaptionedControl {
 public:
  RadioButton(Control& parent, ControlArgs args, bool checked = false);

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void userClick();
  bool tabStop() const override { return checked_ && tabOrder().has_value(); }

  Event OnClick;

 private:
  bool checked_;
};

}  // namespace quirevo
