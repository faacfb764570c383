#include "platform/qt/spin_edit_peer.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/qt/qt_text.h"

namespace quirevo {

SpinEditPeer::SpinEditPeer(SpinEdit& spinEdit, QWidget& parent)
    : QAbstractSpinBox(&parent), WidgetPeer(*this, spinEdit), spinEdit_(spinEdit) {
  setFocusPolicy(Qt::StrongFocus);
  setAccelerated(false);
  // The model refuses longer texts too; the field's own limit keeps a paste from flickering.
  lineEdit()->setMaxLength(static_cast<int>(SpinEdit::kMaxLength));
  connect(lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { spinEdit_.userEdit(toUtf8(text)); });
  attach();
}

void SpinEditPeer::stepBy(int steps) {
  for (int i = 0; i < (steps < 0 ? -steps : steps); ++i) {
    spinEdit_.userStep(steps < 0 ? -1 : 1);
  }
}

QAbstractSpinBox::StepEnabled SpinEditPeer::stepEnabled() const {
  return StepUpEnabled | StepDownEnabled;  // the model bounds the value
}

void SpinEditPeer::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      spinEdit_.userKeyDown(Key::Up);
      event->accept();
      return;
    case Qt::Key_Down:
      spinEdit_.userKeyDown(Key::Down);
      event->accept();
      return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      event->accept();  // a spin edit steps by one only
      return;
    default:
      break;
  }
  // Typed characters pass the filter as the desktop delivers them: printable ones and control
  // characters such as Backspace and Enter ("\r", which it refuses); Delete types none.
  for (char32_t character : event->text().toUcs4()) {
    const bool typed = character < U' ' || QChar::isPrint(character);
    if (typed && !spinEdit_.userKeyPress(character)) {
      event->accept();
      return;
    }
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void SpinEditPeer::focusOutEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusOutEvent(event);
  spinEdit_.userExit();
}

void SpinEditPeer::kindPropertyChanged(Property property) {
  if (property == Property::Text) {
    const QString text = toQString(spinEdit_.text());
    if (text != lineEdit()->text()) {
      lineEdit()->setText(text);
    }
  }
}

}  // namespace quirevo
