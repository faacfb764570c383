#pragma once

#include <QAbstractSpinBox>

#include "platform/qt/widget_peer.h"
#include "ui/spin_edit.h"

namespace quirevo {

// An edit field with up and down arrows. Each typed character passes the model's key filter
// before the field takes it; steps, the Up and Down keys and leaving the field go to the model,
// which holds the value and its bounds.
class SpinEditPeer : public QAbstractSpinBox, public WidgetPeer {
 public:
  SpinEditPeer(SpinEdit& spinEdit, QWidget& parent);

  void stepBy(int steps) override;

 private:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void kindPropertyChanged(Property property) override;
  SpinEdit& spinEdit_;
};

}  // namespace quirevo
