#include "platform/qt/bit_btn_peer.h"

#include "platform/qt/glyphs.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

BitBtnPeer::BitBtnPeer(BitBtn& button, QWidget& parent)
    : QPushButton(&parent), WidgetPeer(*this, button), button_(button) {
  setIcon(glyphIcon(button.glyph()));
  setIconSize(QSize(16, 16));
  setAutoDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [this] { button_.userClick(); });
  attach();
}

void BitBtnPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setText(toQString(button_.caption()));
  }
}

SpeedButtonPeer::SpeedButtonPeer(SpeedButton& button, QWidget& parent)
    : QPushButton(&parent), WidgetPeer(*this, button), button_(button) {
  setAutoDefault(false);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QPushButton::clicked, this, [this] { button_.userClick(); });
  attach();
}

void SpeedButtonPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    setText(toQString(button_.caption()));
  }
}

}  // namespace quirevo
