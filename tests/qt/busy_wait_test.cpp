// Waiting for work on another thread with Qt: the window keeps painting and takes no input, and
// the busy dialog with "Stop" comes up after the delay and goes when the work ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/busy_wait.h"
#include "platform/qt/qt_busy_wait.h"
#include "platform/qt/qt_desktop.h"

namespace quirevo {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Work on a thread of its own that runs for a given time or until it is stopped.
class Work {
 public:
  explicit Work(milliseconds runs)
      : thread_([this, runs] {
          {
            std::unique_lock lock(mutex_);
            stopping_.wait_for(lock, runs, [this] { return stops_ > 0; });
          }
          done.set();
        }) {}
  ~Work() { thread_.join(); }

  BusyWork busy(std::string sentence) {
    return {[sentence] { return sentence; }, [this] { stop(); }};
  }
  int stops() {
    const std::lock_guard lock(mutex_);
    return stops_;
  }

  WorkDone done;

 private:
  void stop() {
    {
      const std::lock_guard lock(mutex_);
      ++stops_;
    }
    stopping_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable stopping_;
  int stops_ = 0;
  std::thread thread_;
};

QDialog* busyDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "BusyDialog" && widget->isVisible()) {
      return qobject_cast<QDialog*>(widget);
    }
  }
  return nullptr;
}

// Runs act after the given time of the wait, inside it.
void after(milliseconds time, std::function<void()> act) {
  QTimer::singleShot(static_cast<int>(time.count()), std::move(act));
}

class BusyWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    window.resize(300, 200);
    desktop.setMainWindow(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
  }

  // When the busy dialog was first seen, from the start of the wait, polling every 20 ms.
  milliseconds waitObservingTheDialog(Work& work, const std::string& sentence) {
    const auto start = Clock::now();
    std::optional<milliseconds> appeared;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!appeared && busyDialog() != nullptr) {
        appeared = std::chrono::duration_cast<milliseconds>(Clock::now() - start);
      }
    });
    poll.start(20);
    wait.wait(work.done, work.busy(sentence));
    return appeared.value_or(milliseconds::max());
  }

  QWidget window;
  QLabel* label = new QLabel("Before");
  QLineEdit* field = new QLineEdit;
  QPushButton* button = new QPushButton("Press");
  int clicks = 0;
  QtDesktop desktop;
  QtBusyWait wait{desktop, "Quirevo"};
};

TEST_F(BusyWaitTest, WorkThatEndsWithinTheDelayShowsNothing) {
  Work work(milliseconds(600));
  EXPECT_EQ(waitObservingTheDialog(work, "Opening \"book.xlsx\"\u2026"), milliseconds::max());
  EXPECT_TRUE(work.done.isSet());
}

TEST_F(BusyWaitTest, TheDialogComesAfterTheDelaySaysWhatIsDoneAndGoesWhenTheWorkEnds) {
  Work work(milliseconds(1800));
  QString caption, text, stop;
  bool modal = false;
  after(milliseconds(1400), [&] {
    if (QDialog* dialog = busyDialog()) {
      caption = dialog->windowTitle();
      text = dialog->findChild<QLabel*>("BusyText")->text();
      stop = dialog->findChild<QPushButton*>("StopButton")->text();
      modal = dialog->isModal();
    }
  });
  const milliseconds appeared =
      waitObservingTheDialog(work, "Counting the pages of sheet \"Data\"\u2026");
  EXPECT_GE(appeared, milliseconds(950));
  EXPECT_LT(appeared, milliseconds(1400));
  EXPECT_EQ(caption, "Quirevo");
  EXPECT_EQ(text, "Counting the pages of sheet \"Data\"\u2026");
  EXPECT_EQ(stop, "Stop");
  EXPECT_TRUE(modal);
  EXPECT_TRUE(work.done.isSet()) << "the wait returns only once the work is done";
  EXPECT_EQ(busyDialog(), nullptr) << "the dialog goes with the work";
  EXPECT_EQ(work.stops(), 0);
}

struct StopCase {
  const char* name;
  std::function<void(QDialog&)> act;
};

class StoppingTheWork : public BusyWaitTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StoppingTheWork, EndsTheWaitOnceTheWorkHasEnded) {
  Work work(std::chrono::minutes(5));
  after(milliseconds(1300), [&] {
    QDialog* dialog = busyDialog();
    ASSERT_NE(dialog, nullptr);
    GetParam().act(*dialog);
    GetParam().act(*dialog);  // a second press while the work is ending stops nothing more
  });
  const auto start = Clock::now();
  wait.wait(work.done, work.busy("Printing sheet \"Data\", pages 1 to 3\u2026"));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(work.stops(), 1);
  EXPECT_EQ(busyDialog(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    ByTheUser, StoppingTheWork,
    ::testing::Values(StopCase{"StopButton",
                               [](QDialog& dialog) {
                                 QTest::mouseClick(dialog.findChild<QPushButton*>("StopButton"),
                                                   Qt::LeftButton);
                               }},
                      StopCase{"Escape",
                               [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
                      StopCase{"CloseBox", [](QDialog& dialog) { dialog.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BusyWaitTest, TheMainWindowTakesNoInputBeforeOrUnderTheDialog) {
  Work work(milliseconds(1800));
  const auto tryEverything = [this] {
    QTest::mouseClick(button, Qt::LeftButton);
    field->setFocus();
    QTest::keyClicks(field, "typed");
    QTest::keyClick(button, Qt::Key_Space);
    window.close();
  };
  after(milliseconds(300), tryEverything);
  after(milliseconds(1400), tryEverything);
  wait.wait(work.done, work.busy("Opening \"book.xlsx\"\u2026"));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(field->text(), "");
  EXPECT_TRUE(window.isVisible());

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1) << "input is taken again after the wait";
}

TEST_F(BusyWaitTest, TheWindowRepaintsUnderTheDialog) {
  Work work(milliseconds(1900));
  QImage onScreen;
  QImage expected;
  after(milliseconds(1200), [&] { label->setText("Repainted while waiting"); });
  after(milliseconds(1600), [&] {
    ASSERT_NE(busyDialog(), nullptr);
    onScreen = window.screen()->grabWindow(window.winId()).toImage();
    expected = window.grab().toImage();
  });
  wait.wait(work.done, work.busy("Opening \"book.xlsx\"\u2026"));
  ASSERT_FALSE(onScreen.isNull());
  EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
            expected.convertToFormat(QImage::Format_RGB32))
      << "what the screen shows is the window as it now paints itself";
}

}  // namespace
}  // namespace quirevo
