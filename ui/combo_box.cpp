#include "ui/combo_box.h"

namespace quirevo {

ComboBox::ComboBox(Control& parent, ControlArgs args, std::vector<std::string> items,
                   int itemHeight)
    : Control(ControlKind::ComboBox, &parent, std::move(args)),
      items_(std::move(items)),
      itemHeight_(itemHeight) {}

void ComboBox::setItemIndex(int index) {
  if (index != itemIndex_) {
    itemIndex_ = index;
    notify(Property::ItemIndex);
  }
}

void ComboBox::userSelectItem(int index) {
  if (!enabled() || index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
    return;
  }
  runUserAction([&] {
    assignText(items_[static_cast<std::size_t>(index)]);
    setItemIndex(index);
    if (OnChange) {
      OnChange(*this);
    }
  });
}

void ComboBox::userEdit(std::string text) {
  if (!enabled()) {
    return;
  }
  runUserAction([&] {
    assignText(std::move(text));
    setItemIndex(-1);
    if (OnChange) {
      OnChange(*this);
    }
  });
}

}  // namespace quirevo
