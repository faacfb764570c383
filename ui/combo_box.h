#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace quirevo {

// Drop-down combo box with an edit field. OnChange comes when the user picks an item (the text
// is set to the item's text first) and on every edit of the text; an edit leaves no item
// selected.
class ComboBox : public Control {
 public:
  ComboBox(Control& parent, ControlArgs args, std::vector<std::string> items, int itemHeight);

  const std::vector<std::string>& items() const { return items_; }
  int itemIndex() const { return itemIndex_; }
  int itemHeight() const { return itemHeight_; }

  void userSelectItem(int index);
  void userEdit(std::string text);

  Event OnChange;

 private:
  void setItemIndex(int index);
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_;
};

}  // namespace quirevo
