#include "platform/qt/label_peer.h"

#include "platform/qt/qt_text.h"

namespace quirevo {

namespace {
Qt::Alignment horizontal(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}
}  // namespace

LabelPeer::LabelPeer(Label& label, QWidget& parent)
    : QLabel(&parent), WidgetPeer(*this, label), label_(label) {
  setTextFormat(Qt::PlainText);
  setAlignment(horizontal(label.alignment()) | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
  attach();
  label.fitToCaption();
}

void LabelPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setText(toQString(label_.caption()));
  }
}

}  // namespace quirevo
