#pragma once

#include <QComboBox>

#include "platform/qt/widget_peer.h"
#include "ui/combo_box.h"

namespace quirevo {

// An editable drop-down list. Picking an item and editing the text go to the model separately;
// a typed text that happens to match an item selects nothing.
class ComboBoxPeer : public QComboBox, public WidgetPeer {
 public:
  ComboBoxPeer(ComboBox& comboBox, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  void showItemIndex();
  ComboBox& comboBox_;
};

}  // namespace quirevo
