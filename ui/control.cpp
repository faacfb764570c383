#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace quirevo {

std::string_view toString(ControlKind kind) {
  switch (kind) {
    case ControlKind::Form:
      return "form";
    case ControlKind::Label:
      return "label";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::ComboBox:
      return "combo box";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::RadioButton:
      return "radio button";
    case ControlKind::GroupBox:
      return "group box";
    case ControlKind::SpinEdit:
      return "spin edit";
    case ControlKind::BitBtn:
      return "bitmap button";
    case ControlKind::SpeedButton:
      return "speed button";
    case ControlKind::Panel:
      return "panel";
    case ControlKind::ListBox:
      return "list box";
  }
  return "?";
}

Control::Control(ControlKind kind, Control* parent, ControlArgs args)
    : kind_(kind),
      parent_(parent),
      name_(std::move(args.name)),
      bounds_(args.bounds),
      text_(std::move(args.text)),
      font_(args.font),
      tabOrder_(args.tabOrder) {
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
  }
}

Control::~Control() {
  if (parent_ != nullptr) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::setBounds(const Bounds& bounds) {
  if (bounds != bounds_) {
    bounds_ = bounds;
    notify(Property::Bounds);
  }
}

void Control::setVisible(bool visible) {
  if (visible != visible_) {
    visible_ = visible;
    notify(Property::Visible);
  }
}

void Control::setEnabled(bool enabled) {
  if (enabled != enabled_) {
    enabled_ = enabled;
    notify(Property::Enabled);
  }
}

Form& Control::form() {
  Control* root = this;
  while (root->parent_ != nullptr) {
    root = root->parent_;
  }
  return static_cast<Form&>(*root);
}

void Control::assignText(std::string text) {
  text_ = std::move(text);
  notify(Property::Text);
}

void Control::notify(Property property) {
  if (peer_ != nullptr) {
    peer_->propertyChanged(property);
  }
}

UiServices& Control::services() {
  return form().services();
}

void Control::runUserAction(const std::function<void()>& action) {
  form().runUserAction(action);
}

void CaptionedControl::setCaption(std::string caption) {
  assignText(std::move(caption));
  captionChanged();
}

}  // namespace quirevo
