#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace quirevo {

// While it exists, user input (keys, mouse buttons, the wheel, closing a window) reaches no window
// but the one allowed; painting and every other event go on.
class InputRefusal : public QObject {
 public:
  InputRefusal();
  ~InputRefusal() override;
  InputRefusal(const InputRefusal&) = delete;
  InputRefusal& operator=(const InputRefusal&) = delete;

  void allow(QWidget* window) { allowed_ = window; }

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  bool isAllowed(QObject* target) const;

  QPointer<QWidget> allowed_;
};

}  // namespace quirevo
