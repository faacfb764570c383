#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/geometry.h"
#include "ui/control_peer.h"

namespace quirevo {

class Form;
class UiServices;

enum class ControlKind {
  Form,
  Label,
  Edit,
  ComboBox,
  CheckBox,
  RadioButton,
  GroupBox,
  SpinEdit,
  BitBtn,
  SpeedButton,
  Panel,
  ListBox
};

std::string_view toString(ControlKind kind);

// How a control is laid out: one line of a form's layout table.
struct ControlArgs {
  std::string name = {};
  Bounds bounds = {};
  std::string text = {};
  Font font = kWindowFont;
  std::optional<int> tabOrder = {};
};

// A control of the widget model: it owns its state and implements the rules the user sees.
class Control {
 public:
  using Event = std::function<void(Control& sender)>;

  Control(ControlKind kind, Control* parent, ControlArgs args);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }

  const Bounds& bounds() const { return bounds_; }
  void setBounds(const Bounds& bounds);
  const Font& font() const { return font_; }
  // The caption of captioned controls, the text of edit fields.
  const std::string& text() const { return text_; }

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  std::optional<int> tabOrder() const { return tabOrder_; }
  virtual bool tabStop() const { return tabOrder_.has_value(); }

  // The backend attaches one peer per control; the peer must outlive the attachment.
  void attachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* peer() const { return peer_; }

  Form& form();

 protected:
  void assignText(std::string text);
  void notify(Property property);
  UiServices& services();
  // Runs what a user's input triggers; a failure escaping it is reported, not propagated.
  void runUserAction(const std::function<void()>& action);

 private:
  ControlKind kind_;
  Control* parent_;
  std::string name_;
  Bounds bounds_;
  std::string text_;
  Font font_;
  std::optional<int> tabOrder_;
  bool visible_ = true;
  bool enabled_ = true;
  std::vector<Control*> children_;
  ControlPeer* peer_ = nullptr;
};

// A control whose text is a caption set by the program (labels, buttons, boxes, the window).
class CaptionedControl : public Control {
 public:
  using Control::Control;
  void setCaption(std::string caption);
  const std::string& caption() const { return text(); }

 protected:
  virtual void captionChanged() {}
};

}  // namespace quirevo
