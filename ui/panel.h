#pragma once

#include "ui/control.h"

namespace quirevo {

enum class Bevel { None, Raised, Lowered };

// A framed area with a centred caption; it has a place in the tab order but takes no focus.
class Panel : public CaptionedControl {
 public:
  Panel(Control& parent, ControlArgs args, Bevel outer, Bevel inner)
      : CaptionedControl(ControlKind::Panel, &parent, std::move(args)),
        outer_(outer),
        inner_(inner) {}

  Bevel outerBevel() const { return outer_; }
  Bevel innerBevel() const { return inner_; }
  bool tabStop() const override { return false; }

 private:
  Bevel outer_;
  Bevel inner_;
};

}  // namespace quirevo
