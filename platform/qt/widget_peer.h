#pragma once

#include <QWidget>

#include "ui/control.h"

namespace quirevo {

// What every native control mirrors: name, font, bounds, visibility and enabled state. A peer is
// its widget (the widget class derives from both); it detaches itself from the model when the
// widget goes, so the model never calls a destroyed peer.
class WidgetPeer : public ControlPeer {
 public:
  WidgetPeer(QWidget& widget, Control& control) : widget_(widget), control_(control) {}
  WidgetPeer(const WidgetPeer&) = delete;
  WidgetPeer& operator=(const WidgetPeer&) = delete;
  ~WidgetPeer() override;

  void propertyChanged(Property property) final;
  Control& control() const { return control_; }

 protected:
  // Takes the model's state and starts listening; the last step of a peer's constructor.
  void attach();
  // The properties of the control kind.
  virtual void kindPropertyChanged(Property property) = 0;

 private:
  QWidget& widget_;
  Control& control_;
};

}  // namespace quirevo
