#include "platform/qt/widget_peer.h"

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

WidgetPeer::~WidgetPeer() {
  if (control_.peer() == this) {
    control_.attachPeer(nullptr);
  }
}

void WidgetPeer::attach() {
  widget_.setObjectName(toQString(control_.name()));
  widget_.setFont(toQFont(control_.font()));
  for (Property property : {Property::Bounds, Property::Visible, Property::Enabled, Property::Text,
                            Property::Items, Property::ItemIndex, Property::Checked}) {
    propertyChanged(property);
  }
  control_.attachPeer(this);
}

void WidgetPeer::propertyChanged(Property property) {
  switch (property) {
    case Property::Bounds: {
      const Bounds& bounds = control_.bounds();
      widget_.setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
      break;
    }
    case Property::Visible:
      widget_.setVisible(control_.visible());
      break;
    case Property::Enabled:
      widget_.setEnabled(control_.enabled());
      break;
    default:
      break;
  }
  kindPropertyChanged(property);
}

}  // namespace quirevo
