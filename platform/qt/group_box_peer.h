#pragma once

#include <QGroupBox>

#include "platform/qt/widget_peer.h"
#include "ui/group_box.h"

namespace quirevo {

// A captioned frame; its controls are child widgets placed from its top-left corner.
class GroupBoxPeer : public QGroupBox, public WidgetPeer {
 public:
  GroupBoxPeer(GroupBox& groupBox, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  GroupBox& groupBox_;
};

}  // namespace quirevo
