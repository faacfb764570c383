#pragma once

#include <functional>
#include <memory>

#include "platform/qt/form_window.h"
#include "ui/form.h"

namespace quirevo {

// The native window of a form: a widget peer for every control, in the model's tab order. The
// peers go with it, and the form is left without peers.
class NativeForm {
 public:
  NativeForm(Form& form, std::function<void()> onClosed = {});

  FormWindow& window() { return *window_; }
  // The widget of a control while the window exists; the widgets also carry the controls' names.
  QWidget* widget(const Control& control) const;

 private:
  std::unique_ptr<FormWindow> window_;
};

}  // namespace quirevo
