#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace quirevo {

// Single-selection list of text lines, unsorted, lines only appended at the end.
class ListBox : public Control {
 public:
  ListBox(Control& parent, ControlArgs args, int itemHeight)
      : Control(ControlKind::ListBox, &parent, std::move(args)), itemHeight_(itemHeight) {}

  const std::vector<std::string>& items() const { return items_; }
  int itemHeight() const { return itemHeight_; }
  int itemIndex() const { return itemIndex_; }

  void addItem(std::string line) {
    items_.push_back(std::move(line));
    notify(Property::Items);
  }
  void clear() {
    items_.clear();
    itemIndex_ = -1;
    notify(Property::Items);
  }
  void userSelect(int index) {
    if (index >= -1 && index < static_cast<int>(items_.size()) && index != itemIndex_) {
      itemIndex_ = index;
      notify(Property::ItemIndex);
    }
  }

 private:
  std::vector<std::string> items_;
  int itemHeight_;
  int itemIndex_ = -1;
};

}  // namespace quirevo
