#include "platform/win32/peer_factory.h"

#include <stdexcept>

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

namespace quirevo {

std::unique_ptr<Win32Peer> makePeer(Control& control, FormWindow& window) {
  switch (control.kind()) {
    case ControlKind::Label:
      return std::make_unique<LabelPeer>(static_cast<Label&>(control), window);
    case ControlKind::Edit:
      return std::make_unique<EditPeer>(static_cast<Edit&>(control), window);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxPeer>(static_cast<ComboBox&>(control), window);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxPeer>(static_cast<CheckBox&>(control), window);
    case ControlKind::RadioButton:
      return std::make_unique<RadioButtonPeer>(static_cast<RadioButton&>(control), window);
    case ControlKind::GroupBox:
      return std::make_unique<GroupBoxPeer>(static_cast<GroupBox&>(control), window);
    case ControlKind::SpinEdit:
      return std::make_unique<SpinEditPeer>(static_cast<SpinEdit&>(control), window);
    case ControlKind::BitBtn:
      return std::make_unique<BitBtnPeer>(static_cast<BitBtn&>(control), window);
    case ControlKind::SpeedButton:
      return std::make_unique<SpeedButtonPeer>(static_cast<SpeedButton&>(control), window);
    case ControlKind::Panel:
      return std::make_unique<PanelPeer>(static_cast<Panel&>(control), window);
    case ControlKind::ListBox:
      return std::make_unique<ListBoxPeer>(static_cast<ListBox&>(control), window);
    case ControlKind::Form:
      break;
  }
  throw std::logic_error("no native peer for a " + std::string(toString(control.kind())));
}

}  // namespace quirevo
