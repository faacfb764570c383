#include "ui/label.h"

#include "ui/ui_services.h"

namespace quirevo {

Label::Label(Control& parent, ControlArgs args, Alignment alignment)
    : CaptionedControl(ControlKind::Label, &parent, std::move(args)), alignment_(alignment) {}

void Label::captionChanged() {
  // An empty caption is measured as one space, so the label keeps the height of a line.
  const Size size = services().measureText(caption().empty() ? " " : caption(), font());
  Bounds bounds = this->bounds();
  if (alignment_ == Alignment::Right) {
    bounds.left = bounds.right() - size.width;
  }
  bounds.width = size.width;
  bounds.height = size.height;
  setBounds(bounds);
}

}  // namespace quirevo
