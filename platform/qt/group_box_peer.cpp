#include "platform/qt/group_box_peer.h"

#include "platform/qt/qt_text.h"

namespace quirevo {

GroupBoxPeer::GroupBoxPeer(GroupBox& groupBox, QWidget& parent)
    : QGroupBox(&parent), WidgetPeer(*this, groupBox), groupBox_(groupBox) {
  setFocusPolicy(Qt::NoFocus);
  attach();
}

void GroupBoxPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setTitle(toQString(groupBox_.caption()));
  }
}

}  // namespace quirevo
