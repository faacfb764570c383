#include "platform/win32/win32_peer.h"

#include <commctrl.h>

#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

Win32Peer::~Win32Peer() {
  control_.attachPeer(nullptr);
  if (subclassed_ && IsWindow(handle_)) {
    RemoveWindowSubclass(handle_, subclassProc, kSubclassId);
  }
}

HWND Win32Peer::parentHandle() const {
  return window_.handleOf(*control_.parent());
}

void Win32Peer::create(const wchar_t* windowClass, DWORD style, DWORD extendedStyle) {
  const RECT rect = window_.scale().rect(control_.bounds());
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.tabStop()) {
    style |= WS_TABSTOP;
  }
  handle_ = CreateWindowExW(extendedStyle, windowClass, L"", style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parentHandle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(window_.nextControlId())),
                            window_.instance(), nullptr);
  if (handle_ == nullptr) {
    throw std::runtime_error("The window of " + control_.name() + " could not be created");
  }
  window_.route(handle_, *this);
  applyFont();
}

void Win32Peer::attach() {
  const Updating updating(*this);
  applyBounds();
  applyText();
  EnableWindow(handle_, control_.enabled());
  for (const Property property : {Property::Checked, Property::Items, Property::ItemIndex}) {
    kindPropertyChanged(property);
  }
  for (HWND native : windows()) {
    ShowWindow(native, control_.visible() ? SW_SHOWNA : SW_HIDE);
  }
  control_.attachPeer(this);
}

void Win32Peer::subclass() {
  subclassed_ = SetWindowSubclass(handle_, subclassProc, kSubclassId,
                                  reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK Win32Peer::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    reinterpret_cast<Win32Peer*>(self)->subclassed_ = false;
    RemoveWindowSubclass(window, subclassProc, kSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return reinterpret_cast<Win32Peer*>(self)->windowMessage(message, wParam, lParam);
}

LRESULT Win32Peer::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return defaultMessage(message, wParam, lParam);
}

LRESULT Win32Peer::defaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(handle_, message, wParam, lParam);
}

void Win32Peer::propertyChanged(Property property) {
  const Updating updating(*this);
  switch (property) {
    case Property::Bounds:
      applyBounds();
      break;
    case Property::Text:
      applyText();
      break;
    case Property::Visible:
      for (HWND native : windows()) {
        ShowWindow(native, control_.visible() ? SW_SHOWNA : SW_HIDE);
      }
      break;
    case Property::Enabled:
      for (HWND native : windows()) {
        EnableWindow(native, control_.enabled());
      }
      break;
    default:
      kindPropertyChanged(property);
      break;
  }
}

void Win32Peer::rescale() {
  const Updating updating(*this);
  applyFont();
  applyBounds();
}

void Win32Peer::applyBounds() {
  const RECT rect = window_.scale().rect(control_.bounds());
  // A label that grows to the left would otherwise keep the old picture copied to its new place.
  SetWindowPos(handle_, nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  InvalidateRect(handle_, nullptr, TRUE);
}

void Win32Peer::applyText() {
  setNativeText(handle_, nativeText());
}

void Win32Peer::applyFont() {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(window_.font(control_.font())), TRUE);
}

std::wstring Win32Peer::nativeText() const {
  return toWide(control_.text());
}

void Win32Peer::setNativeText(HWND native, const std::wstring& text) {
  // Setting the text a control already shows would move its caret and repaint for nothing.
  const int length = GetWindowTextLengthW(native);
  std::wstring current(static_cast<std::size_t>(length) + 1, L'\0');
  current.resize(static_cast<std::size_t>(GetWindowTextW(native, current.data(), length + 1)));
  if (current != text) {
    SetWindowTextW(native, text.c_str());
  }
}

std::wstring literalCaption(const std::string& caption) {
  std::wstring text;
  for (wchar_t c : toWide(caption)) {
    text += c;
    if (c == L'&') {
      text += L'&';
    }
  }
  return text;
}

}  // namespace quirevo
