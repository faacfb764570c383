#pragma once

#include <functional>
#include <string>

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

  // A file dropped onto the window, as its local path. Only one file of a drop counts: the
  // peer hands over the first. Ignored while another action runs (a handler waiting for the
  // spreadsheet application, a dialog it shows): the drop would run a handler inside it.
  void userDropFile(const std::string& path);

  std::function<void(Control& sender, const std::string& path)> OnFileDropped;

  // Every control of the window in creation order, parents before their children.
  std::vector<Control*> allControls();

 private:
  UiServices& services_;
  int actionDepth_ = 0;
  bool closed_ = false;
};

}  // namespace quirevo
