#pragma once

#include <QRadioButton>

#include "platform/qt/widget_peer.h"
#include "ui/radio_button.h"

namespace quirevo {

// A radio button whose state is the model's, which also keeps its group exclusive. Only the
// checked button of a group takes the focus by Tab; the arrow keys move to the previous or next
// button of the group and choose it, as desktop radio groups do.
class RadioButtonPeer : public QRadioButton, public WidgetPeer {
 public:
  RadioButtonPeer(RadioButton& radioButton, QWidget& parent);

 private:
  void nextCheckState() override;
  void keyPressEvent(QKeyEvent* event) override;
  void kindPropertyChanged(Property property) override;
  RadioButtonPeer* neighbour(int direction) const;
  RadioButton& radioButton_;
};

}  // namespace quirevo
