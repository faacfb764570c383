#include "platform/win32/win32_busy_wait.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "platform/win32/busy_dialog.h"
#include "platform/win32/win32_desktop.h"
#include "platform/windows/unique_handle.h"

namespace quirevo {

namespace {

using Clock = std::chrono::steady_clock;

// A request that ends within this is waited for plainly: no message loop, the window's state
// untouched. Shorter than anyone notices a window not repainting, and longer than most requests
// take (Excel's, even reached across processes under Wine, take a few milliseconds), so that a
// listing of hundreds of requests does not run a message loop and refuse input for each.
constexpr std::chrono::milliseconds kPlainWait{50};
// What the work is doing may change while it runs (starting the application, then opening a
// workbook).
constexpr std::chrono::milliseconds kRefreshInterval{250};

// A manual-reset event, closed when it goes.
UniqueHandle manualResetEvent() {
  UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!event) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "The busy wait's event could not be created");
  }
  return event;
}

// Signals the event when the work is done; the hook is removed before the event goes.
class WakeOnDone {
 public:
  WakeOnDone(const WorkDone& done, HANDLE event) : done_(done) {
    done_.onSet([event] { SetEvent(event); });
  }
  WakeOnDone(const WakeOnDone&) = delete;
  WakeOnDone& operator=(const WakeOnDone&) = delete;
  ~WakeOnDone() { done_.onSet({}); }

 private:
  const WorkDone& done_;
};

// Keys, the mouse, and a request to close the window.
bool isUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_CLOSE;
}

// While it exists the main window takes no user input. Disabled, it gets no mouse input and
// cannot be activated; its focused control would still receive the keyboard, so what the queue
// holds for the window and its controls is dropped. The focus goes back where it was.
class InputRefusal {
 public:
  explicit InputRefusal(HWND window) : window_(window) {
    if (window_ == nullptr) {
      return;
    }
    if (HWND focus = GetFocus(); focus == window_ || IsChild(window_, focus)) {
      focus_ = focus;
    }
    // A wait inside another leaves the window to the outer one.
    wasDisabled_ = EnableWindow(window_, FALSE) != FALSE;
  }
  InputRefusal(const InputRefusal&) = delete;
  InputRefusal& operator=(const InputRefusal&) = delete;
  ~InputRefusal() {
    if (window_ == nullptr || wasDisabled_ || !IsWindow(window_)) {
      return;
    }
    EnableWindow(window_, TRUE);
    if (focus_ != nullptr && IsWindow(focus_) && GetFocus() != focus_) {
      SetFocus(focus_);
    }
  }

  bool refuses(const MSG& message) const {
    return window_ != nullptr && message.hwnd != nullptr && isUserInput(message.message) &&
           (message.hwnd == window_ || IsChild(window_, message.hwnd));
  }

 private:
  HWND window_;
  HWND focus_ = nullptr;
  bool wasDisabled_ = false;
};

DWORD millisecondsUntil(Clock::time_point when) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(when - Clock::now()).count();
  return static_cast<DWORD>(std::clamp<decltype(left)>(left, 0, INFINITE - 1));
}

// The work uses the caller's state until it is done, so a failure of the wait itself still waits
// for it before going on; stopped, the work ends soon.
void awaitAfterFailure(const WorkDone& done, const BusyWork& work) {
  if (!done.isSet() && work.stop) {
    try {
      work.stop();
    } catch (...) {  // the failure being reported is the wait's; this one would lose it
    }
  }
  while (!done.waitFor(std::chrono::hours(1))) {
  }
}

// A WM_QUIT the nested loop took, posted again when the wait has ended so that the main loop ends.
class QuitKept {
 public:
  QuitKept() = default;
  QuitKept(const QuitKept&) = delete;
  QuitKept& operator=(const QuitKept&) = delete;
  ~QuitKept() {
    if (code_) {
      PostQuitMessage(*code_);
    }
  }
  void keep(WPARAM code) { code_ = static_cast<int>(code); }

 private:
  std::optional<int> code_;
};

// Dispatches messages until finished is signalled, with input to the owner refused, the dialog
// over it from showAt on and its sentence refreshed.
void pump(HANDLE finished, HWND owner, const std::string& title, const BusyWork& work,
          Clock::time_point showAt, QuitKept& quit) {
  const auto isFinished = [finished] { return WaitForSingleObject(finished, 0) == WAIT_OBJECT_0; };
  // Made before the refusal so that it goes after it: the owner is enabled again first, and the
  // system gives the activation back to it rather than to another program's window.
  std::optional<BusyDialog> dialog;
  const InputRefusal refusal(owner);
  Clock::time_point next = showAt;  // the dialog comes, then it reads the sentence again
  while (!isFinished()) {
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &finished, millisecondsUntil(next),
                                                   QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_FAILED) {
      throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                              "Waiting for the work failed");
    }
    MSG message;
    while (!isFinished() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit.keep(message.wParam);
      } else if (!refusal.refuses(message) && !(dialog && dialog->handle(message))) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      if (dialog && dialog->takeStopRequest()) {
        work.stop();
      }
    }
    if (!isFinished() && Clock::now() >= next) {
      if (dialog) {
        dialog->say(work.describe());
      } else {
        dialog.emplace(IsWindow(owner) ? owner : nullptr, title, work.describe());
      }
      next = Clock::now() + kRefreshInterval;
    }
  }
}

}  // namespace

Win32BusyWait::Win32BusyWait(const Win32Desktop& desktop, std::string title,
                             std::chrono::milliseconds delay)
    : desktop_(desktop), title_(std::move(title)), delay_(delay) {}

void Win32BusyWait::wait(const WorkDone& done, const BusyWork& work) {
  const Clock::time_point showAt = Clock::now() + delay_;
  if (done.waitFor(kPlainWait)) {
    return;
  }
  QuitKept quit;
  const UniqueHandle finished = manualResetEvent();
  const WakeOnDone wake(done, finished.get());
  try {
    pump(finished.get(), desktop_.mainWindow(), title_, work, showAt, quit);
  } catch (...) {
    awaitAfterFailure(done, work);
    throw;
  }
}

}  // namespace quirevo
