#pragma once

#include "ui/control.h"

namespace quirevo {

enum class Alignment { Left, Right, Center };

// Sizes itself to its caption whenever it changes. A right-aligned label keeps its right edge and
// grows to the left; the others keep their left edge.
class Label : public CaptionedControl {
 public:
  Label(Control& parent, ControlArgs args, Alignment alignment = Alignment::Left);
  Alignment alignment() const { return alignment_; }
  // Sizes the label to its caption in the fonts the backend has, which may measure otherwise than
  // those the layout was made with; a backend calls it when it makes the native label.
  void fitToCaption() { captionChanged(); }

 protected:
  void captionChanged() override;

 private:
  Alignment alignment_;
};

}  // namespace quirevo
