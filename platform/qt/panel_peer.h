#pragma once

#include <QWidget>

#include "platform/qt/widget_peer.h"
#include "ui/panel.h"

namespace quirevo {

// A framed area drawn with its outer and inner bevels, one pixel each, and its caption centred.
class PanelPeer : public QWidget, public WidgetPeer {
 public:
  PanelPeer(Panel& panel, QWidget& parent);

 private:
  void paintEvent(QPaintEvent* event) override;
  void kindPropertyChanged(Property property) override;
  Panel& panel_;
};

}  // namespace quirevo
