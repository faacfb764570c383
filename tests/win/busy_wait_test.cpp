// Waiting for work on another thread with Win32: the window keeps its messages but takes no
// input, and the busy dialog with "Stop" comes up after the delay and goes when the work ends.
// A driver thread plays the user, as another program would: it finds windows by class and text
// and posts them input.
#include "platform/win32/win32_busy_wait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/win32/unique_gdi.h"
#include "platform/win32/win32_desktop.h"
#include "platform/windows/wide_text.h"
#include "tests/win/window_access.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/ui_services.h"

namespace quirevo::testing {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kDelay{100};
constexpr wchar_t kWindowTitle[] = L"Busy Wait Test";

// Polls every few milliseconds until the condition holds or the time is up.
bool until(const std::function<bool()>& condition, milliseconds limit = std::chrono::seconds(10)) {
  const auto end = Clock::now() + limit;
  while (!condition()) {
    if (Clock::now() > end) {
      return false;
    }
    Sleep(5);
  }
  return true;
}

// Work on a thread of its own until the test finishes it or its time is up (so that a failing
// test still ends). Stop only counts: the test presses again before it lets the work end.
class Work {
 public:
  explicit Work(milliseconds runs = std::chrono::seconds(20))
      : thread_([this, runs] {
          std::unique_lock lock(mutex_);
          finishing_.wait_for(lock, runs, [this] { return finished_; });
          lock.unlock();
          done.set();
        }) {}
  ~Work() {
    finish();
    thread_.join();
  }

  BusyWork busy() {
    return {[this] {
              const std::lock_guard lock(mutex_);
              return sentence_;
            },
            [this] { ++stops; }};
  }
  void say(std::string sentence) {
    const std::lock_guard lock(mutex_);
    sentence_ = std::move(sentence);
  }
  void finish() {
    {
      const std::lock_guard lock(mutex_);
      finished_ = true;
    }
    finishing_.notify_all();
  }

  WorkDone done;
  std::atomic<int> stops{0};

 private:
  std::mutex mutex_;
  std::condition_variable finishing_;
  std::string sentence_ = "Opening \"book.xlsx\"\u2026";
  bool finished_ = false;
  std::thread thread_;
};

class Services final : public UiServices {
 public:
  void beep() override {}
  Size measureText(std::string_view, const Font&) const override { return {}; }
  char32_t decimalSeparator() const override { return U'.'; }
  void reportError(const std::exception& error) override { ADD_FAILURE() << error.what(); }
};

HWND shownDialog() {
  return topLevel(GetCurrentProcessId(), L"#32770", L"Quirevo");
}

HWND awaitDialog() {
  HWND dialog = nullptr;
  until([&] { return (dialog = shownDialog()) != nullptr; });
  return dialog;
}

HWND stopButton(HWND dialog) {
  return FindWindowExW(dialog, nullptr, L"Button", L"Stop");
}

void click(HWND window) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void key(HWND window, WPARAM virtualKey) {
  PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

// The height a text needs at the width of the static control, in its font.
int neededHeight(HWND control, const std::wstring& text) {
  RECT client{};
  GetClientRect(control, &client);
  RECT needed{0, 0, client.right, 0};
  const ScreenDc screen;
  const SelectedObject font(screen.get(),
                            reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  DrawTextW(screen.get(), text.c_str(), -1, &needed,
            DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
  return needed.bottom;
}

// A main window with a field and two buttons, run by the desktop: the test's handler runs when
// the driver clicks "Start", as a request would in the program.
class BusyWaitTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // The main window's end leaves a WM_QUIT behind when its loop ended before it.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  // Posted messages are handled in order: once a setting posted to the field after some input
  // has taken effect, that input has been handled, or dropped.
  bool settle() {
    const auto limit = static_cast<LRESULT>(1000 + ++settled);
    PostMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
    return until([&] { return SendMessageW(field, EM_GETLIMITTEXT, 0, 0) == limit; });
  }

  // Runs handler inside the main loop and user on the driver thread meanwhile; then the window
  // is closed, unless the handler's wait ended the loop.
  void run(std::function<void()> handler, const std::function<void()>& user) {
    start.OnClick = [&](Control&) {
      handler();
      handled = true;
    };
    std::thread driver([&] {
      ASSERT_TRUE(until([&] {
        main = topLevel(GetCurrentProcessId(), L"QuirevoForm", kWindowTitle);
        return main != nullptr;
      }));
      field = control(main, L"Edit", L"");
      press = control(main, L"Button", L"Press");
      click(control(main, L"Button", L"Start"));
      user();
      EXPECT_TRUE(until([&] { return handled.load(); }));
      if (closeWhenHandled || !until([&] { return !IsWindow(main); }, milliseconds(3000))) {
        PostMessageW(main, WM_CLOSE, 0, 0);
      }
    });
    desktop.run(form);
    driver.join();
  }

  Services services;
  Form form{services, {.name = "Form", .bounds = {100, 100, 400, 260}, .text = "Busy Wait Test"}};
  Edit fieldControl{form, {.name = "Field", .bounds = {16, 16, 200, 21}, .tabOrder = 0}};
  SpeedButton pressControl{form, {.name = "Press", .bounds = {16, 60, 90, 25}, .text = "Press"}};
  SpeedButton start{form, {.name = "Start", .bounds = {120, 60, 90, 25}, .text = "Start"}};
  Win32Desktop desktop{GetModuleHandleW(nullptr), SW_SHOWNORMAL};
  Win32BusyWait wait{desktop, "Quirevo", kDelay};
  const DWORD windowThread = GetCurrentThreadId();
  std::atomic<bool> handled{false};
  bool closeWhenHandled = true;
  HWND main = nullptr;
  HWND field = nullptr;
  HWND press = nullptr;
  int settled = 0;
};

TEST_F(BusyWaitTest, WorkAlreadyDoneReturnsWithoutTakingMessages) {
  Work work(milliseconds(0));
  ASSERT_TRUE(work.done.waitFor(std::chrono::seconds(10)));
  PostThreadMessageW(windowThread, WM_APP, 0, 0);
  wait.wait(work.done, work.busy());
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

TEST_F(BusyWaitTest, WorkEndingWithinTheDelayShowsNoDialog) {
  bool seen = false;
  run(
      [&] {
        Work work(milliseconds(40));
        wait.wait(work.done, work.busy());
      },
      [&] { until([&] { return (seen = shownDialog() != nullptr) || handled; }); });
  EXPECT_FALSE(seen);
}

TEST_F(BusyWaitTest, LongWorkShowsTheDialogOverTheWindowAfterTheDelayUntilItEnds) {
  Work work;
  std::atomic<Clock::time_point> started{};
  bool doneAtReturn = false;
  run(
      [&] {
        started = Clock::now();
        wait.wait(work.done, work.busy());
        doneAtReturn = work.done.isSet();
      },
      [&] {
        HWND dialog = awaitDialog();
        const auto appeared = Clock::now() - started.load();
        EXPECT_GE(appeared, kDelay);
        EXPECT_LT(appeared, kDelay + milliseconds(1000));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
        EXPECT_FALSE(IsWindowEnabled(main)) << "the dialog is modal over the window";
        RECT over{}, centred{};
        GetWindowRect(main, &over);
        GetWindowRect(dialog, &centred);
        EXPECT_NEAR(centred.left + centred.right, over.left + over.right, 2);
        EXPECT_NEAR(centred.top + centred.bottom, over.top + over.bottom, 2);
        HWND text = FindWindowExW(dialog, nullptr, L"Static", nullptr);
        HWND stop = stopButton(dialog);
        ASSERT_NE(stop, nullptr);
        EXPECT_EQ(textOf(text), L"Opening \"book.xlsx\"\u2026");
        EXPECT_EQ(buttonType(stop), BS_PUSHBUTTON) << "Stop is no default button";

        // It wraps within the path, which has no space.
        const std::string sentence =
            "Counting the pages of every sheet in \"C:\\Users\\Olena\\Documents\\Quarterly\\"
            "Reports\\2024\\Consolidated_Regional_Figures.xlsx\"\u2026";
        work.say(sentence);
        EXPECT_TRUE(until([&] { return textOf(text) == toWide(sentence); }))
            << "the sentence is read again while the work runs";
        RECT textArea = clientRect(text);
        RECT stopArea = clientRect(stop);
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_GE(textArea.right - textArea.left, 320);
        EXPECT_GT(neededHeight(text, toWide(sentence)), neededHeight(text, L"Opening"))
            << "the long sentence wraps";
        EXPECT_LE(neededHeight(text, toWide(sentence)), textArea.bottom - textArea.top)
            << "nothing is cut off";
        EXPECT_GE(stopArea.top, textArea.bottom);
        EXPECT_LE(stopArea.bottom, client.bottom);

        work.finish();
        EXPECT_TRUE(until([&] { return !IsWindow(dialog); })) << "the dialog goes with the work";
      });
  EXPECT_TRUE(doneAtReturn) << "the wait returns only once the work is done";
  EXPECT_EQ(work.stops, 0);
}

struct PressCase {
  const char* name;
  std::function<void(HWND dialog, HWND focus)> press;
  int stops;
};

void PrintTo(const PressCase& pressCase, std::ostream* out) {
  *out << pressCase.name;
}

class PressingInTheDialog : public BusyWaitTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PressingInTheDialog, StopsTheWorkAtMostOnce) {
  Work work;
  run([&] { wait.wait(work.done, work.busy()); },
      [&] {
        HWND dialog = awaitDialog();
        HWND stop = stopButton(dialog);
        ASSERT_NE(stop, nullptr);
        ASSERT_TRUE(until([&] { return focusOf(windowThread) == stop; }))
            << "Stop has the focus, as Enter would press a focused default button";
        for (int time = 0; time < 2; ++time) {
          GetParam().press(dialog, stop);
          ASSERT_TRUE(settle());
        }
        EXPECT_EQ(work.stops, GetParam().stops);
        EXPECT_EQ(IsWindowEnabled(stop) != FALSE, GetParam().stops == 0);
        EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays until the work has ended";
        work.finish();
      });
  EXPECT_EQ(shownDialog(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    ByTheUser, PressingInTheDialog,
    ::testing::Values(
        PressCase{"StopButton", [](HWND, HWND stop) { click(stop); }, 1},
        PressCase{"Escape", [](HWND, HWND focus) { key(focus, VK_ESCAPE); }, 1},
        PressCase{"CloseBox",
                  [](HWND dialog, HWND) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, 1},
        PressCase{"Enter", [](HWND, HWND focus) { key(focus, VK_RETURN); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BusyWaitTest, TheWindowTakesNoInputDuringTheWaitAndAllAfterIt) {
  Work work;
  std::atomic<int> presses{0};
  pressControl.OnClick = [&](Control&) { ++presses; };
  HWND focusBefore = nullptr;
  HWND focusAfter = nullptr;
  run(
      [&] {
        focusBefore = FindWindowExW(desktop.mainWindow(), nullptr, L"Edit", nullptr);
        SetFocus(focusBefore);
        wait.wait(work.done, work.busy());
        focusAfter = GetFocus();
      },
      [&] {
        const auto tryEverything = [&] {
          PostMessageW(field, WM_KEYDOWN, 'X', 1);  // typed as "x" where it is translated
          click(press);
          ASSERT_TRUE(settle());
        };
        ASSERT_TRUE(until([&] { return !IsWindowEnabled(main); }));
        tryEverything();  // before the dialog
        ASSERT_NE(awaitDialog(), nullptr);
        tryEverything();  // under it
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(settle());
        EXPECT_EQ(textOf(field), L"");
        EXPECT_EQ(presses, 0);
        EXPECT_TRUE(IsWindow(main)) << "closing the window waits as well";

        work.finish();
        ASSERT_TRUE(until([&] { return handled.load(); }));
        EXPECT_TRUE(IsWindowEnabled(main));
        tryEverything();
        EXPECT_EQ(textOf(field), L"x");
        EXPECT_EQ(presses, 1);
      });
  EXPECT_EQ(focusAfter, focusBefore) << "the focus is back where it was";
}

TEST_F(BusyWaitTest, AQuitDuringTheWaitEndsTheMainLoopOnceTheWorkIsDone) {
  Work work;
  closeWhenHandled = false;
  bool doneAtReturn = false;
  std::optional<WPARAM> quitAfter;
  run(
      [&] {
        wait.wait(work.done, work.busy());
        doneAtReturn = work.done.isSet();
        if (MSG quit; PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
          quitAfter = quit.wParam;
        }
      },
      [&] {
        HWND dialog = awaitDialog();
        ASSERT_NE(dialog, nullptr);
        PostThreadMessageW(windowThread, WM_QUIT, 7, 0);
        ASSERT_TRUE(settle());
        EXPECT_TRUE(IsWindow(dialog)) << "the wait goes on until the work is done";
        work.finish();
      });
  EXPECT_TRUE(doneAtReturn);
  EXPECT_EQ(quitAfter, WPARAM{7});
  EXPECT_FALSE(form.closed()) << "the main loop ended on the quit, not on a close";
}

TEST_F(BusyWaitTest, AFailingWaitStopsTheWorkAndAwaitsItBeforeItThrows) {
  Work work;
  const BusyWork failing{[]() -> std::string { throw std::runtime_error("No sentence"); },
                         [&] {
                           ++work.stops;
                           work.finish();
                         }};
  EXPECT_THROW(wait.wait(work.done, failing), std::runtime_error);
  EXPECT_TRUE(work.done.isSet()) << "the work no longer uses the caller's state";
  EXPECT_EQ(work.stops, 1);
}

TEST_F(BusyWaitTest, WithoutAMainWindowTheDialogHasNoOwner) {
  Work work;
  std::thread user([&] {
    HWND dialog = awaitDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    click(stopButton(dialog));
    EXPECT_TRUE(until([&] { return work.stops == 1; }));
    work.finish();
  });
  wait.wait(work.done, work.busy());
  user.join();
  EXPECT_EQ(work.stops, 1);
}

}  // namespace
}  // namespace quirevo::testing
