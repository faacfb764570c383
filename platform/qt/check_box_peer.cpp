#include "platform/qt/check_box_peer.h"

#include "platform/qt/qt_text.h"

namespace quirevo {

CheckBoxPeer::CheckBoxPeer(CheckBox& checkBox, QWidget& parent)
    : QCheckBox(&parent), WidgetPeer(*this, checkBox), checkBox_(checkBox) {
  setFocusPolicy(Qt::StrongFocus);
  attach();
}

void CheckBoxPeer::nextCheckState() {
  checkBox_.userClick();
}

void CheckBoxPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setText(toQString(checkBox_.caption()));
  } else if (property == Property::Checked) {
    setChecked(checkBox_.checked());
  }
}

}  // namespace quirevo
