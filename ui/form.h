#pragma once

#include <functional>

#include "ui/control.h"

namespace quirevo {

class UiServices;

// The window: root of the control tree. Closing it tells the application to terminate.
class Form : public CaptionedControl {
 public:
  Form(UiServices& services, ControlArgs args);

  UiServices& services() { return services_; }

  // User input arrives here: an exception escaping the outermost action is reported and the
  // program goes on; nested actions (a handler setting a text that fires another) propagate.
  void runUserAction(const std::function<void()>& action);

  void close();
  // The title bar's close box, the window menu, Alt+F4: no close handlers exist, so it is close().
  void userClose();
  bool closed() const { return closed_; }

  // Every control of the window in creation order, parents before their children.
  std::vector<Control*> allControls();

 private:
  UiServices& services_;
  int actionDepth_ = 0;
  bool closed_ = false;
};

}  // namespace quirevo
