#include "platform/win32/peer_factory.h"

#include "platform/win32/bit_btn_peer.h"
#include "platform/win32/check_box_peer.h"
#include "platform/win32/combo_box_peer.h"
#include "platform/win32/edit_peer.h"
#include "platform/win32/group_box_peer.h"
#include "platform/win32/label_peer.h"
#include "platform/win32/list_box_peer.h"
#include "platform/win32/panel_peer.h"
#include "platform/win32/radio_button_peer.h"
#include "platform/win32/speed_button_peer.h"
#include "platform/win32/spin_edit_peer.h"
#include "ui/control_visit.h"

namespace quirevo {

namespace {

// The native peer of each kind of control.
struct PeerMaker {
  FormWindow& window;
  template <class Peer, class Concrete>
  std::unique_ptr<Win32Peer> make(Concrete& control) const {
    return std::make_unique<Peer>(control, window);
  }
  auto operator()(Label& c) const { return make<LabelPeer>(c); }
  auto operator()(Edit& c) const { return make<EditPeer>(c); }
  auto operator()(ComboBox& c) const { return make<ComboBoxPeer>(c); }
  auto operator()(CheckBox& c) const { return make<CheckBoxPeer>(c); }
  auto operator()(RadioButton& c) const { return make<RadioButtonPeer>(c); }
  auto operator()(GroupBox& c) const { return make<GroupBoxPeer>(c); }
  auto operator()(SpinEdit& c) const { return make<SpinEditPeer>(c); }
  auto operator()(BitBtn& c) const { return make<BitBtnPeer>(c); }
  auto operator()(SpeedButton& c) const { return make<SpeedButtonPeer>(c); }
  auto operator()(Panel& c) const { return make<PanelPeer>(c); }
  auto operator()(ListBox& c) const { return make<ListBoxPeer>(c); }
};

}  // namespace

std::unique_ptr<Win32Peer> makePeer(Control& control, FormWindow& window) {
  return visitControl(control, PeerMaker{window});
}

}  // namespace quirevo
