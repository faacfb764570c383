#pragma once

#include <QLineEdit>

#include "platform/qt/widget_peer.h"
#include "ui/edit.h"

namespace quirevo {

// A single-line edit field; every edit the user makes goes to the model as the field's new text.
class EditPeer : public QLineEdit, public WidgetPeer {
 public:
  EditPeer(Edit& edit, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  Edit& edit_;
};

}  // namespace quirevo
