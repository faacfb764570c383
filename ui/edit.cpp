#include "ui/edit.h"

namespace quirevo {

Edit::Edit(Control& parent, ControlArgs args)
    : Control(ControlKind::Edit, &parent, std::move(args)) {}

void Edit::setText(std::string text) {
  if (text == this->text()) {
    return;
  }
  assignText(std::move(text));
  if (OnChange) {
    OnChange(*this);
  }
}

void Edit::userEdit(std::string text) {
  runUserAction([&] { setText(std::move(text)); });
}

}  // namespace quirevo
