#pragma once

#include <QPushButton>

#include "platform/qt/widget_peer.h"
#include "ui/button.h"

namespace quirevo {

// A push button with its glyph left of the caption; Qt shows the disabled glyph while the
// button is disabled.
class BitBtnPeer : public QPushButton, public WidgetPeer {
 public:
  BitBtnPeer(BitBtn& button, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  BitBtn& button_;
};

// The "..." button: a click goes to the model, the focus stays where it was.
class SpeedButtonPeer : public QPushButton, public WidgetPeer {
 public:
  SpeedButtonPeer(SpeedButton& button, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  SpeedButton& button_;
};

}  // namespace quirevo
