#pragma once

namespace quirevo {

enum class Property { Bounds, Text, Visible, Enabled, Checked, Items, ItemIndex, Closed };

// The native side of one control. The model tells it which property changed and the peer reads
// the new state from the model; the peer reports the user's input back through the control's
// user* methods and never decides behaviour itself.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void propertyChanged(Property property) = 0;
};

}  // namespace quirevo
