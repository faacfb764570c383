#pragma once

#include <QLabel>

#include "platform/qt/widget_peer.h"
#include "ui/label.h"

namespace quirevo {

// A label's text at the top of its bounds, aligned as the model says; the model sizes it.
class LabelPeer : public QLabel, public WidgetPeer {
 public:
  LabelPeer(Label& label, QWidget& parent);

 private:
  void kindPropertyChanged(Property property) override;
  Label& label_;
};

}  // namespace quirevo
