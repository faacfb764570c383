#pragma once

#include "ui/control.h"

namespace quirevo {

// Two-state check box. OnClick comes on every change of its state, by the user or the program.
class CheckBox : public CaptionedControl {
 public:
  CheckBox(Control& parent, ControlArgs args, bool checked = false);

  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void userClick();

  Event OnClick;

 private:
  bool checked_;
};

}  // namespace quirevo
