#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QWindow>

#include "platform/qt/glyphs.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

FormWindow::FormWindow(Form& form, std::function<void()> onClosed)
    : QWidget(nullptr, Qt::Window), form_(form), onClosed_(std::move(onClosed)) {
  setObjectName(toQString(form.name()));
  setFont(toQFont(form.font()));
  setWindowTitle(toQString(form.caption()));
  setWindowIcon(programIcon());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  placeOnScreen();
  form_.attachPeer(this);
}

FormWindow::~FormWindow() {
  if (form_.peer() == this) {
    form_.attachPeer(nullptr);
  }
}

QMargins FormWindow::frameMargins() const {
  const QWindow* window = windowHandle();
  return window != nullptr ? window->frameMargins() : QMargins();
}

void FormWindow::placeOnScreen() {
  const Bounds& bounds = form_.bounds();
  const QMargins frame = frameMargins();
  resize(bounds.width - frame.left() - frame.right(), bounds.height - frame.top() - frame.bottom());
  move(bounds.left, bounds.top);  // a top-level window's position is that of its frame
}

bool FormWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
  const bool normal =
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) == 0;
  if (placed && normal && !frameKnown_ && !frameMargins().isNull()) {
    frameKnown_ = true;
    placeOnScreen();
  }
  return handled;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  inCloseEvent_ = true;
  form_.userClose();
  inCloseEvent_ = false;
  if (form_.closed()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void FormWindow::propertyChanged(Property property) {
  switch (property) {
    case Property::Text:
      setWindowTitle(toQString(form_.caption()));
      break;
    case Property::Bounds:
      placeOnScreen();
      break;
    case Property::Closed:
      if (!inCloseEvent_) {
        hide();
      }
      if (onClosed_) {
        onClosed_();
      }
      break;
    default:
      break;
  }
}

}  // namespace quirevo
