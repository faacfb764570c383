#pragma once

#include <stdexcept>
#include <string>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace quirevo {

// Calls the visitor with the control as its own class, so that a backend picks the native peer
// of each kind by overloading, and a kind it forgets does not compile. A form is the window
// itself, never a child control.
template <class Visitor>
decltype(auto) visitControl(Control& control, Visitor&& visitor) {
  switch (control.kind()) {
    case ControlKind::Label:
      return visitor(static_cast<Label&>(control));
    case ControlKind::Edit:
      return visitor(static_cast<Edit&>(control));
    case ControlKind::ComboBox:
      return visitor(static_cast<ComboBox&>(control));
    case ControlKind::CheckBox:
      return visitor(static_cast<CheckBox&>(control));
    case ControlKind::RadioButton:
      return visitor(static_cast<RadioButton&>(control));
    case ControlKind::GroupBox:
      return visitor(static_cast<GroupBox&>(control));
    case ControlKind::SpinEdit:
      return visitor(static_cast<SpinEdit&>(control));
    case ControlKind::BitBtn:
      return visitor(static_cast<BitBtn&>(control));
    case ControlKind::SpeedButton:
      return visitor(static_cast<SpeedButton&>(control));
    case ControlKind::Panel:
      return visitor(static_cast<Panel&>(control));
    case ControlKind::ListBox:
      return visitor(static_cast<ListBox&>(control));
    case ControlKind::Form:
      break;
  }
  throw std::logic_error("no child control of kind " + std::string(toString(control.kind())));
}

}  // namespace quirevo
