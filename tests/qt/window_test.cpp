// The main window as a whole: its place, size, look and how its run ends.
#include <QCloseEvent>
#include <QTimer>

#include "tests/qt/qt_window_fixture.h"

namespace quirevo::testing {
namespace {

QRect expectedGeometry(const Control& control) {
  const Bounds& bounds = control.bounds();
  return {bounds.left, bounds.top, bounds.width, bounds.height};
}

TEST_F(QtWindowTest, EveryControlSitsWhereTheModelPutsItAndStaysThereWhenTheWindowGrows) {
  for (Control* control : form->allControls()) {
    SCOPED_TRACE(control->name());
    EXPECT_EQ(widget(*control)->geometry(), expectedGeometry(*control));
    QWidget* parent =
        control->parent() == form.get() ? &native->window() : widget(*control->parent());
    EXPECT_EQ(widget(*control)->parentWidget(), parent);
  }
  native->window().resize(1000, 800);
  native->window().setWindowState(Qt::WindowMaximized);
  QTest::qWait(20);
  for (Control* control : form->allControls()) {
    SCOPED_TRACE(control->name());
    EXPECT_EQ(widget(*control)->geometry(), expectedGeometry(*control));
  }
}

TEST_F(QtWindowTest, ControlsOfTheGroupBoxesArePlacedInsideThem) {
  // Spot checks against the layout itself, so a shifted model or peer would both show.
  EXPECT_EQ(widget(form->Edit1)->geometry(), QRect(88, 64, 529, 24));
  EXPECT_EQ(widget(form->SpinEdit3)->geometry(), QRect(136, 82, 57, 22));
  EXPECT_EQ(widget(form->SpinEdit3)->mapTo(&native->window(), QPoint(0, 0)), QPoint(152, 186));
  EXPECT_EQ(widget(form->SpinEdit6)->mapTo(&native->window(), QPoint(0, 0)), QPoint(264, 116));
}

TEST_F(QtWindowTest, TheWindowHasItsTitleIconPlaceAndOuterSize) {
  FormWindow& window = native->window();
  EXPECT_EQ(window.windowTitle(), "Quirevo v1.1");
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());
  // Without a window manager's frame the outer size is the window's own.
  EXPECT_EQ(window.frameGeometry(), QRect(218, 41, 670, 515));
  EXPECT_EQ(window.backgroundRole(), QPalette::Button);
  EXPECT_TRUE(window.autoFillBackground());
}

TEST_F(QtWindowTest, TheWindowsFontsAreTheLayoutsPixelHeights) {
  EXPECT_EQ(widget(form->RadioButton3)->font().pixelSize(), 11);
  EXPECT_FALSE(widget(form->RadioButton3)->font().bold());
  EXPECT_EQ(widget(form->Edit1)->font().pixelSize(), 13);
  EXPECT_TRUE(widget(form->Edit1)->font().bold());
  EXPECT_EQ(widget(form->Panel1)->font().pixelSize(), 16);
  EXPECT_TRUE(widget(form->Panel1)->font().bold());
}

TEST_F(QtWindowTest, TheCloseBoxClosesTheFormWithoutQuittingTheSpreadsheet) {
  fake.standIn.clearLog();
  EXPECT_TRUE(native->window().close());
  EXPECT_TRUE(form->closed());
  EXPECT_FALSE(fake.standIn.quitRequested());
  EXPECT_EQ(fake.standIn.requestCount(), 0u);
}

TEST_F(QtWindowTest, TheModelClosingTheFormHidesTheWindow) {
  QTest::mouseClick(widget(form->BitBtn2), Qt::LeftButton);
  EXPECT_TRUE(form->closed());
  EXPECT_TRUE(fake.standIn.quitRequested());
  EXPECT_FALSE(native->window().isVisible());
}

TEST_F(QtWindowTest, DestroyingTheWindowLeavesTheFormWithoutPeers) {
  native.reset();
  for (Control* control : form->allControls()) {
    EXPECT_EQ(control->peer(), nullptr) << control->name();
  }
  EXPECT_EQ(form->peer(), nullptr);
  form->Panel1.setCaption("still safe to change");
}

// The event loop of the desktop ends when the form is closed, by the close box or by "Close".
class QtDesktopRunTest : public ::testing::Test {
 protected:
  static FormWindow* shownWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* window = dynamic_cast<FormWindow*>(widget); window && window->isVisible()) {
        return window;
      }
    }
    return nullptr;
  }

  FakePlatform fake;
  SpreadsheetSessionLifetime session;
  RecordingQtDesktop desktop;
  Platform platform{fake.automation, fake.printers, desktop, fake.xml.get()};
  Application application{desktop};
};

TEST_F(QtDesktopRunTest, RunEndsWhenTheWindowManagerClosesTheWindow) {
  TForm1 form(application, platform);
  form.create();
  bool sawWindow = false;
  QTimer::singleShot(0, [&] {
    FormWindow* window = shownWindow();
    sawWindow = window != nullptr;
    if (window != nullptr) {
      EXPECT_EQ(window->windowTitle(), "Quirevo v1.1");
      EXPECT_EQ(form.Panel1.caption(), "Office Laser");
      window->close();
    }
  });
  QTimer watchdog;
  watchdog.callOnTimeout([&] { form.close(); });
  watchdog.start(10000);
  application.run(form);
  EXPECT_TRUE(sawWindow);
  EXPECT_TRUE(form.closed());
  EXPECT_EQ(form.peer(), nullptr);
}

TEST_F(QtDesktopRunTest, RunEndsWhenTheCloseButtonClosesTheForm) {
  TForm1 form(application, platform);
  form.create();
  QTimer::singleShot(0, [&] {
    if (FormWindow* window = shownWindow()) {
      QTest::mouseClick(window->findChild<QWidget*>("BitBtn2"), Qt::LeftButton);
    }
  });
  QTimer watchdog;
  watchdog.callOnTimeout([&] { form.close(); });
  watchdog.start(10000);
  application.run(form);
  EXPECT_TRUE(form.closed());
  EXPECT_TRUE(fake.standIn.quitRequested());
}

}  // namespace
}  // namespace quirevo::testing
