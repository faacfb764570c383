#pragma once

#include "ui/control.h"

namespace quirevo {

enum class Glyph { Printer, Door };

// Push button with a two-state bitmap glyph (enabled, disabled) left of its caption.
class BitBtn : public CaptionedControl {
 public:
  BitBtn(Control& parent, ControlArgs args, Glyph glyph)
      : CaptionedControl(ControlKind::BitBtn, &parent, std::move(args)), glyph_(glyph) {}

  Glyph glyph() const { return glyph_; }
  void click() {
    if (OnClick) {
      OnClick(*this);
    }
  }
  void userClick() {
    if (enabled()) {
      runUserAction([this] { click(); });
    }
  }

  Event OnClick;

 private:
  Glyph glyph_;
};

// Flat button that never takes the focus.
class SpeedButton : public CaptionedControl {
 public:
  SpeedButton(Control& parent, ControlArgs args)
      : CaptionedControl(ControlKind::SpeedButton, &parent, std::move(args)) {}

  bool tabStop() const override { return false; }
  void userClick() {
    if (enabled()) {
      runUserAction([this] {
        if (OnClick) {
          OnClick(*this);
        }
      });
    }
  }

  Event OnClick;
};

}  // namespace quirevo
