#pragma once

#include <QListWidget>

#include "platform/qt/widget_peer.h"
#include "ui/list_box.h"

namespace quirevo {

// A single-selection list of the model's lines, each the model's item height.
class ListBoxPeer : public QListWidget, public WidgetPeer {
 public:
  ListBoxPeer(ListBox& listBox, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  ListBox& listBox_;
};

}  // namespace quirevo
