#include "platform/qt/qt_busy_wait.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <memory>

#include "platform/qt/busy_dialog.h"
#include "platform/qt/input_refusal.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

namespace {
// Most requests end within this; waiting for them plainly spares an event loop per request, and
// the window cannot have needed painting in the meantime.
constexpr std::chrono::milliseconds kPlainWait{2};
}  // namespace

QtBusyWait::QtBusyWait(const QtDesktop& desktop, std::string title, std::chrono::milliseconds delay)
    : desktop_(desktop), title_(std::move(title)), delay_(delay) {}

void QtBusyWait::wait(const WorkDone& done, const BusyWork& work) {
  if (done.waitFor(kPlainWait)) {
    return;
  }
  InputRefusal refusal;
  QEventLoop loop;
  std::unique_ptr<BusyDialog> dialog;
  QTimer delay;
  delay.setSingleShot(true);
  QObject::connect(&delay, &QTimer::timeout, [&] {
    dialog = std::make_unique<BusyDialog>(desktop_.mainWindow(), toQString(title_), work.describe,
                                          work.stop);
    refusal.allow(dialog.get());
    dialog->show();
  });
  delay.start(delay_);
  done.onSet([&loop] {
    QMetaObject::invokeMethod(
        &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
  });
  loop.exec();
  done.onSet({});
  // The loop also ends when the application is told to quit; the work still uses the caller's
  // state until it is done.
  while (!done.waitFor(std::chrono::hours(1))) {
  }
}

}  // namespace quirevo
