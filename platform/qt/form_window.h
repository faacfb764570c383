#pragma once

#include <QMargins>
#include <QWidget>

#include <functional>

#include "ui/form.h"

namespace quirevo {

// The main window: title, icon, place and outer size from the model, the button face as its
// background. Closing it by the window manager goes to the model; the model's close ends it.
class FormWindow : public QWidget, public ControlPeer {
 public:
  FormWindow(Form& form, std::function<void()> onClosed);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  void propertyChanged(Property property) override;
  Form& form() const { return form_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The model's bounds are the outer ones, frame included; the frame is known once the window
  // manager has framed the window, and then the client size is adjusted once.
  void placeOnScreen();
  QMargins frameMargins() const;

  Form& form_;
  std::function<void()> onClosed_;
  bool frameKnown_ = false;
  bool inCloseEvent_ = false;
};

}  // namespace quirevo
