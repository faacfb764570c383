#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quirevo::testing {

// Reading and operating the windows of another process, as the window drivers do. Texts are
// read with a timeout: the other process may be busy in a handler.
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);

// Polls the condition until it holds or the time is up; the condition's last answer.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// A visible top-level window of the process with that class and title.
HWND topLevel(DWORD process, const std::wstring& windowClass, const std::wstring& title);

std::vector<HWND> descendants(HWND parent);
LONG_PTR buttonType(HWND window);

// The first control of that class (and button type) whose text is given; the model's names are
// not visible to another process, the captions are.
HWND control(HWND main, const std::wstring& windowClass, const std::wstring& text,
             std::optional<LONG_PTR> type = {});

// The window's rectangle in its parent's client coordinates.
RECT clientRect(HWND window);

HWND focusOf(DWORD thread);

// Keyboard input to the foreground window.
void press(WORD key, bool withAlt = false);
void type(const std::wstring& characters);

struct MessageBoxContent {
  std::wstring caption;
  std::wstring text;
  std::wstring icon;  // "error", "warning", "information", "question" or "none"
};

// Waits for a message box of the process captioned as given, reads it and presses OK on it.
std::optional<MessageBoxContent> acceptMessageBox(DWORD process, const std::wstring& caption,
                                                  DWORD timeoutMs = 20000);

}  // namespace quirevo::testing
