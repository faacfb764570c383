#include "platform/win32/busy_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

// In 96-dpi pixels, as the system lays out its message boxes.
constexpr int kMargin = 11;
constexpr int kTextWidth = 340;  // the sentence wraps at this width
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

// Above IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kStopId = 100;
// Not the message box's 0xFFFF: a driver tells the two apart by it.
constexpr int kTextId = 101;
constexpr UINT_PTR kSubclassId = 1;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
// The static control draws its text with these; measuring with the same keeps it unclipped.
// DT_EDITCONTROL breaks a word longer than a line, such as a workbook's path.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX;

// A dialog without controls: they are made in pixels once it exists, so neither dialog units
// nor a template font take part.
struct alignas(DWORD) EmptyTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  WORD title;
};

// The dialog manager makes a focused push button the default, which Enter presses. Stop ends the
// spreadsheet application; an Enter meant for the main window a moment earlier must not do that.
LRESULT CALLBACK neverDefault(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(button, neverDefault, id);
  }
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  return message == WM_GETDLGCODE ? result & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON) : result;
}

}  // namespace

BusyDialog::BusyDialog(HWND owner, const std::string& title, const std::string& sentence)
    : owner_(owner), sentence_(toWide(sentence)) {
  EmptyTemplate empty{};
  empty.header.style = kStyle;
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner_, dialogProc,
                             reinterpret_cast<LPARAM>(this));
  if (handle_ == nullptr) {
    throw std::runtime_error("The busy dialog could not be created");
  }
  try {
    SetWindowTextW(handle_, toWide(title).c_str());
    createControls();
    useFontFor(GetDpiForWindow(handle_));
    centreOverOwner(layOut());
  } catch (...) {
    DestroyWindow(handle_);
    throw;
  }
  ShowWindow(handle_, SW_SHOW);
  SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(stop_), TRUE);
}

BusyDialog::~BusyDialog() {
  if (handle_ != nullptr) {
    DestroyWindow(handle_);
  }
}

void BusyDialog::createControls() {
  const auto make = [this](const wchar_t* windowClass, const std::wstring& text, DWORD style,
                           int id) {
    HWND control = CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                                   0, 0, 0, handle_, reinterpret_cast<HMENU>(INT_PTR{id}),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control == nullptr) {
      throw std::runtime_error("The busy dialog's controls could not be created");
    }
    return control;
  };
  text_ = make(L"STATIC", sentence_, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kTextId);
  stop_ = make(L"BUTTON", L"Stop", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kStopId);
  SetWindowSubclass(stop_, neverDefault, kSubclassId, 0);
}

void BusyDialog::useFontFor(UINT dpi) {
  dpi_ = dpi != 0 ? dpi : kDesignDpi;
  // The system's message box font, at the dialog's dpi; without it the controls keep their own.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_)) {
    return;
  }
  UniqueFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  if (font) {
    for (HWND control : {text_, stop_}) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);  // the old font goes only once no control uses it
  }
}

SIZE BusyDialog::layOut() {
  const DpiScale scale{dpi_};
  RECT text{0, 0, scale(kTextWidth), 0};
  TEXTMETRICW metrics{};
  {
    const ScreenDc screen;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(text_, WM_GETFONT, 0, 0));
    const SelectedObject selected(screen.get(),
                                  font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    DrawTextW(screen.get(), sentence_.c_str(), -1, &text, kTextFormat | DT_CALCRECT);
    GetTextMetricsW(screen.get(), &metrics);
  }
  const int margin = scale(kMargin);
  const int textWidth = std::max<int>(text.right, scale(kTextWidth));
  const int textHeight = std::max<int>(text.bottom, metrics.tmHeight);
  const int buttonTop = margin + textHeight + margin;
  RECT client{0, 0, margin + textWidth + margin, buttonTop + scale(kButtonHeight) + margin};
  constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(text_, nullptr, margin, margin, textWidth, textHeight, kPlace);
  SetWindowPos(stop_, nullptr, client.right - margin - scale(kButtonWidth), buttonTop,
               scale(kButtonWidth), scale(kButtonHeight), kPlace);
  AdjustWindowRectExForDpi(&client, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)),
                           FALSE, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE)),
                           dpi_);
  return {client.right - client.left, client.bottom - client.top};
}

void BusyDialog::centreOverOwner(SIZE size) {
  const HMONITOR monitor = owner_ != nullptr ? MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST)
                                             : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const RECT& area = info.rcWork;
  RECT over = area;
  if (owner_ != nullptr) {
    GetWindowRect(owner_, &over);
  }
  // Over the middle of the owner, but whole on its monitor, title bar first.
  const int left = std::clamp<int>((over.left + over.right - size.cx) / 2, area.left,
                                   std::max<int>(area.left, area.right - size.cx));
  const int top = std::clamp<int>((over.top + over.bottom - size.cy) / 2, area.top,
                                  std::max<int>(area.top, area.bottom - size.cy));
  SetWindowPos(handle_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void BusyDialog::say(const std::string& sentence) {
  std::wstring wide = toWide(sentence);
  if (handle_ == nullptr || wide == sentence_) {
    return;
  }
  sentence_ = std::move(wide);
  SetWindowTextW(text_, sentence_.c_str());
  const SIZE size = layOut();
  SetWindowPos(handle_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool BusyDialog::handle(MSG& message) {
  return handle_ != nullptr && IsDialogMessageW(handle_, &message);
}

bool BusyDialog::takeStopRequest() {
  return std::exchange(stopPending_, false);
}

void BusyDialog::askToStop() {
  // Stopping takes a moment to end the work; asking again would stop whatever comes next.
  if (stopAsked_) {
    return;
  }
  stopAsked_ = true;
  stopPending_ = true;
  EnableWindow(stop_, FALSE);
  EnableMenuItem(GetSystemMenu(handle_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

INT_PTR CALLBACK BusyDialog::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    reinterpret_cast<BusyDialog*>(lParam)->handle_ = dialog;
    return FALSE;  // the focus is given once the controls exist
  }
  auto* self = reinterpret_cast<BusyDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return self != nullptr ? self->dialogMessage(message, wParam, lParam) : FALSE;
}

INT_PTR BusyDialog::dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kStopId:
        case IDCANCEL:  // Escape
          askToStop();
          return TRUE;
        case IDOK:  // Enter: nothing is the default
          return TRUE;
        default:
          return FALSE;
      }
    case WM_CLOSE:  // the close box and the window menu
      askToStop();
      return TRUE;
    case WM_DPICHANGED: {
      useFontFor(HIWORD(wParam));
      const SIZE size = layOut();
      const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(handle_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    case WM_NCDESTROY:
      // Also when the owner goes first and takes its owned windows with it.
      SetWindowLongPtrW(handle_, DWLP_USER, 0);
      handle_ = text_ = stop_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace quirevo
