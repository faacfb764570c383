#pragma once

#include <QCheckBox>

#include "platform/qt/widget_peer.h"
#include "ui/check_box.h"

namespace quirevo {

// A check box whose state is the model's: a click asks the model, which decides and tells back.
class CheckBoxPeer : public QCheckBox, public WidgetPeer {
 public:
  CheckBoxPeer(CheckBox& checkBox, QWidget& parent);

 private:
  void nextCheckState() override;
  void kindPropertyChanged(Property property) override;
  CheckBox& checkBox_;
};

}  // namespace quirevo
