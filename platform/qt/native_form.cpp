#include "platform/qt/native_form.h"

#include <algorithm>

#include "platform/qt/bit_btn_peer.h"
#include "platform/qt/check_box_peer.h"
#include "platform/qt/combo_box_peer.h"
#include "platform/qt/edit_peer.h"
#include "platform/qt/group_box_peer.h"
#include "platform/qt/label_peer.h"
#include "platform/qt/list_box_peer.h"
#include "platform/qt/panel_peer.h"
#include "platform/qt/radio_button_peer.h"
#include "platform/qt/spin_edit_peer.h"

namespace quirevo {

namespace {

// Widgets belong to their parent widget, which deletes them.
QWidget* createPeer(Control& control, QWidget& parent) {
  switch (control.kind()) {
    case ControlKind::Label:
      return new LabelPeer(static_cast<Label&>(control), parent);
    case ControlKind::Edit:
      return new EditPeer(static_cast<Edit&>(control), parent);
    case ControlKind::ComboBox:
      return new ComboBoxPeer(static_cast<ComboBox&>(control), parent);
    case ControlKind::CheckBox:
      return new CheckBoxPeer(static_cast<CheckBox&>(control), parent);
    case ControlKind::RadioButton:
      return new RadioButtonPeer(static_cast<RadioButton&>(control), parent);
    case ControlKind::GroupBox:
      return new GroupBoxPeer(static_cast<GroupBox&>(control), parent);
    case ControlKind::SpinEdit:
      return new SpinEditPeer(static_cast<SpinEdit&>(control), parent);
    case ControlKind::BitBtn:
      return new BitBtnPeer(static_cast<BitBtn&>(control), parent);
    case ControlKind::SpeedButton:
      return new SpeedButtonPeer(static_cast<SpeedButton&>(control), parent);
    case ControlKind::Panel:
      return new PanelPeer(static_cast<Panel&>(control), parent);
    case ControlKind::ListBox:
      return new ListBoxPeer(static_cast<ListBox&>(control), parent);
    case ControlKind::Form:
      break;
  }
  throw std::logic_error("a form cannot be the child of a control");
}

void createChildren(Control& control, QWidget& widget) {
  for (Control* child : control.children()) {
    QWidget* childWidget = createPeer(*child, widget);
    createChildren(*child, *childWidget);
  }
}

}  // namespace

std::vector<Control*> tabChain(Control& parent) {
  std::vector<Control*> ordered;
  for (Control* child : parent.children()) {
    if (child->tabOrder()) {
      ordered.push_back(child);
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](Control* a, Control* b) { return *a->tabOrder() < *b->tabOrder(); });
  std::vector<Control*> chain;
  for (Control* control : ordered) {
    chain.push_back(control);
    for (Control* inner : tabChain(*control)) {
      chain.push_back(inner);
    }
  }
  return chain;
}

NativeForm::NativeForm(Form& form, std::function<void()> onClosed)
    : window_(std::make_unique<FormWindow>(form, std::move(onClosed))) {
  createChildren(form, *window_);
  // Qt's focus chain is one list; which of its widgets take Tab is each peer's focus policy.
  QWidget* previous = nullptr;
  for (Control* control : tabChain(form)) {
    QWidget* next = widget(*control);
    if (previous != nullptr && next != nullptr) {
      QWidget::setTabOrder(previous, next);
    }
    previous = next != nullptr ? next : previous;
  }
  for (Control* control : tabChain(form)) {
    if (control->tabStop() && control->visible() && control->enabled()) {
      if (QWidget* first = widget(*control)) {
        first->setFocus(Qt::TabFocusReason);
        break;
      }
    }
  }
}

QWidget* NativeForm::widget(const Control& control) const {
  return dynamic_cast<QWidget*>(control.peer());
}

}  // namespace quirevo
