#include "platform/qt/edit_peer.h"

#include <limits>

#include "platform/qt/qt_text.h"

namespace quirevo {

EditPeer::EditPeer(Edit& edit, QWidget& parent)
    : QLineEdit(&parent), WidgetPeer(*this, edit), edit_(edit) {
  setFocusPolicy(Qt::StrongFocus);
  setMaxLength(std::numeric_limits<int>::max());  // the field has no length limit of its own
  // textEdited comes for the user's edits only, one per keystroke; the program's own texts
  // arrive through the model.
  connect(this, &QLineEdit::textEdited, this,
          [this](const QString& text) { edit_.userEdit(toUtf8(text)); });
  attach();
}

void EditPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    const QString text = toQString(edit_.text());
    if (text != this->text()) {
      setText(text);
    }
  }
}

}  // namespace quirevo
