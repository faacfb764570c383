#include "ui/radio_button.h"

namespace quirevo {

RadioButton::RadioButton(Control& parent, ControlArgs args, bool checked)
    : CaptionedControl(ControlKind::RadioButton, &parent, std::move(args)), checked_(checked) {}

void RadioButton::setChecked(bool checked) {
  if (checked == checked_) {
    return;
  }
  checked_ = checked;
  notify(Property::Checked);
  if (!checked_) {
    return;
  }
  for (Control* sibling : parent()->children()) {
    if (sibling != this && sibling->kind() == ControlKind::RadioButton) {
      static_cast<RadioButton*>(sibling)->setChecked(false);
    }
  }
  if (OnClick) {
    OnClick(*this);
  }
}

void RadioButton::userClick() {
  if (enabled()) {
    runUserAction([this] { setChecked(true); });
  }
}

}  // namespace quirevo
