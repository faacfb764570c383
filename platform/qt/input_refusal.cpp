#include "platform/qt/input_refusal.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace quirevo {

namespace {

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputRefusal::InputRefusal() {
  QApplication::instance()->installEventFilter(this);
}

InputRefusal::~InputRefusal() {
  QApplication::instance()->removeEventFilter(this);
}

bool InputRefusal::isAllowed(QObject* target) const {
  if (allowed_ == nullptr) {
    return false;
  }
  if (auto* widget = qobject_cast<QWidget*>(target)) {
    return widget->window() == allowed_;
  }
  if (auto* window = qobject_cast<QWindow*>(target)) {
    return window == allowed_->windowHandle();
  }
  return false;
}

bool InputRefusal::eventFilter(QObject* target, QEvent* event) {
  if (!isUserInput(event->type()) || isAllowed(target)) {
    return false;
  }
  event->ignore();  // a refused close leaves the window open
  return true;
}

}  // namespace quirevo
