#pragma once

#include "platform/desktop.h"

namespace quirevo {

class Form;

// A widget toolkit the window runs on: the desktop's services and the event loop.
class Toolkit : public Desktop {
 public:
  // Gives the form native controls, shows it, and dispatches events until it is closed.
  virtual void run(Form& mainForm) = 0;
};

}  // namespace quirevo
