#include "platform/qt/radio_button_peer.h"

#include <QKeyEvent>

#include <vector>

#include "platform/qt/qt_text.h"

namespace quirevo {

RadioButtonPeer::RadioButtonPeer(RadioButton& radioButton, QWidget& parent)
    : QRadioButton(&parent), WidgetPeer(*this, radioButton), radioButton_(radioButton) {
  setAutoExclusive(false);  // the model unchecks the others of the group
  attach();
}

void RadioButtonPeer::nextCheckState() {
  radioButton_.userClick();
}

void RadioButtonPeer::keyPressEvent(QKeyEvent* event) {
  int direction = 0;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      direction = -1;
      break;
    case Qt::Key_Down:
    case Qt::Key_Right:
      direction = 1;
      break;
    default:
      QRadioButton::keyPressEvent(event);
      return;
  }
  event->accept();
  if (RadioButtonPeer* next = neighbour(direction)) {
    next->setFocus(Qt::TabFocusReason);
    next->radioButton_.userClick();
  }
}

// The group's buttons in the model's creation order, skipping those that cannot be chosen.
RadioButtonPeer* RadioButtonPeer::neighbour(int direction) const {
  std::vector<RadioButtonPeer*> group;
  for (Control* sibling : radioButton_.parent()->children()) {
    if (sibling->kind() == ControlKind::RadioButton) {
      auto* peer = dynamic_cast<RadioButtonPeer*>(sibling->peer());
      if (peer == this || (peer != nullptr && peer->isEnabled() && peer->isVisible())) {
        group.push_back(peer);
      }
    }
  }
  const auto count = static_cast<int>(group.size());
  for (int i = 0; i < count; ++i) {
    if (group[static_cast<std::size_t>(i)] == this) {
      RadioButtonPeer* next = group[static_cast<std::size_t>((i + direction + count) % count)];
      return next == this ? nullptr : next;
    }
  }
  return nullptr;
}

void RadioButtonPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setText(toQString(radioButton_.caption()));
  } else if (property == Property::Checked) {
    setChecked(radioButton_.checked());
    setFocusPolicy(radioButton_.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

}  // namespace quirevo
