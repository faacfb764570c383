#pragma once

#include "ui/control.h"

namespace quirevo {

// Single-line edit field. OnChange comes on every real change of the text, typed or set by the
// program; setting the text it already holds causes none.
class Edit : public Control {
 public:
  Edit(Control& parent, ControlArgs args);

  void setText(std::string text);
  // The peer reports the text after the user typed, pasted or deleted.
  void userEdit(std::string text);

  Event OnChange;
};

}  // namespace quirevo
