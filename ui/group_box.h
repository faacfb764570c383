#pragma once

#include "ui/control.h"

namespace quirevo {

// A captioned frame that is the parent of its controls; hiding it hides them.
class GroupBox : public CaptionedControl {
 public:
  GroupBox(Control& parent, ControlArgs args, bool visible = true)
      : CaptionedControl(ControlKind::GroupBox, &parent, std::move(args)) {
    setVisible(visible);
  }
  bool tabStop() const override { return false; }
};

}  // namespace quirevo
