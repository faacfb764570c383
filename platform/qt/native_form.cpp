#include "platform/qt/native_form.h"

#include "platform/qt/bit_btn_peer.h"
#include "platform/qt/check_box_peer.h"
#include "platform/qt/combo_box_peer.h"
#include "platform/qt/edit_peer.h"
#include "platform/qt/file_drop.h"
#include "platform/qt/group_box_peer.h"
#include "platform/qt/label_peer.h"
#include "platform/qt/list_box_peer.h"
#include "platform/qt/panel_peer.h"
#include "platform/qt/radio_button_peer.h"
#include "platform/qt/spin_edit_peer.h"
#include "ui/control_visit.h"
#include "ui/tab_order.h"

namespace quirevo {

namespace {

// The widget peer of each kind of control. Widgets belong to their parent widget, which deletes
// them.
struct PeerMaker {
  QWidget& parent;
  QWidget* operator()(Label& c) const { return new LabelPeer(c, parent); }
  QWidget* operator()(Edit& c) const { return new EditPeer(c, parent); }
  QWidget* operator()(ComboBox& c) const { return new ComboBoxPeer(c, parent); }
  QWidget* operator()(CheckBox& c) const { return new CheckBoxPeer(c, parent); }
  QWidget* operator()(RadioButton& c) const { return new RadioButtonPeer(c, parent); }
  QWidget* operator()(GroupBox& c) const { return new GroupBoxPeer(c, parent); }
  QWidget* operator()(SpinEdit& c) const { return new SpinEditPeer(c, parent); }
  QWidget* operator()(BitBtn& c) const { return new BitBtnPeer(c, parent); }
  QWidget* operator()(SpeedButton& c) const { return new SpeedButtonPeer(c, parent); }
  QWidget* operator()(Panel& c) const { return new PanelPeer(c, parent); }
  QWidget* operator()(ListBox& c) const { return new ListBoxPeer(c, parent); }
};

void createChildren(Control& control, QWidget& widget) {
  for (Control* child : control.children()) {
    QWidget* childWidget = visitControl(*child, PeerMaker{widget});
    createChildren(*child, *childWidget);
  }
}

}  // namespace

NativeForm::NativeForm(Form& form, std::function<void()> onClosed)
    : window_(std::make_unique<FormWindow>(form, std::move(onClosed))) {
  createChildren(form, *window_);
  new FileDropRouting(form, *window_);  // the window owns it
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
