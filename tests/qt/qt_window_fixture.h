#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "platform/qt/native_form.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_text.h"
#include "tests/support/fake_platform.h"
#include "tests/support/no_reference_left.h"
#include "ui/application.h"

namespace quirevo::testing {

// The Qt desktop with what a test must observe recorded instead of shown or sounded: beeps,
// message boxes and the open dialog's answers. Measuring, fonts and widgets stay Qt's.
class RecordingQtDesktop : public QtDesktop {
 public:
  void beep() override { ++beeps; }
  void showMessageBox(std::string_view caption, std::string_view text, MessageIcon icon) override {
    messages.push_back({std::string(caption), std::string(text), icon});
  }
  std::optional<std::string> showOpenDialog(const OpenFileRequest&) override {
    if (dialogAnswers.empty()) {
      return std::nullopt;
    }
    auto answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
  }
  std::string executablePath() const override { return "/usr/bin/quirevo"; }

  int beeps = 0;
  std::vector<ShownMessage> messages;
  std::deque<std::optional<std::string>> dialogAnswers;
};

// The main window as the program starts it, shown through its native widgets, with the
// recording stand-in behind "Excel.Application".
class QtWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(application, platform);
    form->create();
    native = std::make_unique<NativeForm>(*form);
    desktop.setMainWindow(&native->window());
    native->window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&native->window()));
    native->window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&native->window()));
  }

  void TearDown() override { native.reset(); }

  template <class Widget = QWidget>
  Widget* widget(const Control& control) {
    auto* found = native->window().findChild<Widget*>(toQString(control.name()));
    EXPECT_NE(found, nullptr) << control.name();
    return found;
  }

  // Destroyed in reverse: the native window, the window, the session, then the leak check.
  FakePlatform fake;
  NoReferenceLeft leakCheck{fake.standIn};
  SpreadsheetSessionLifetime session;
  RecordingQtDesktop desktop;
  Platform platform{fake.automation, fake.printers, desktop, fake.xml.get()};
  Application application{desktop};
  std::unique_ptr<TForm1> form;
  std::unique_ptr<NativeForm> native;
};

}  // namespace quirevo::testing
