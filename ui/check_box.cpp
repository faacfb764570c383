#include "ui/check_box.h"

namespace quirevo {

CheckBox::CheckBox(Control& parent, ControlArgs args, bool checked)
    : CaptionedControl(ControlKind::CheckBox, &parent, std::move(args)), checked_(checked) {}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) {
    return;
  }
  checked_ = checked;
  notify(Property::Checked);
  if (OnClick) {
    OnClick(*this);
  }
}

void CheckBox::userClick() {
  if (enabled()) {
    runUserAction([this] { setChecked(!checked_); });
  }
}

}  // namespace quirevo
