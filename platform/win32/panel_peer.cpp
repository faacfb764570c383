#include "platform/win32/panel_peer.h"

#include <stdexcept>

#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

constexpr wchar_t kPanelClass[] = L"QuirevoPanel";

void registerPanelClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kPanelClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("The panel window class could not be registered");
  }
}

UINT edgeOf(Bevel bevel) {
  return bevel == Bevel::Raised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER;
}

}  // namespace

PanelPeer::PanelPeer(Panel& panel, FormWindow& window) : Win32Peer(panel, window), panel_(panel) {
  registerPanelClass(window.instance(), windowProc);
  create(kPanelClass, 0);
  SetWindowLongPtrW(handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  attach();
}

void PanelPeer::applyText() {
  Win32Peer::applyText();
  InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT CALLBACK PanelPeer::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PanelPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_PAINT) {
    self->paint();
    return 0;
  }
  if (message == WM_SETFONT) {
    // The font is the model's; painting selects it itself.
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void PanelPeer::paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(handle(), &paint);
  RECT area;
  GetClientRect(handle(), &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (panel_.outerBevel() != Bevel::None) {
    DrawEdge(dc, &area, edgeOf(panel_.outerBevel()), BF_RECT | BF_ADJUST);
  }
  if (panel_.innerBevel() != Bevel::None) {
    DrawEdge(dc, &area, edgeOf(panel_.innerBevel()), BF_RECT | BF_ADJUST);
  }
  const SelectedObject font(dc, window().font(panel_.font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const std::wstring caption = toWide(panel_.caption());
  DrawTextW(dc, caption.c_str(), -1, &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  EndPaint(handle(), &paint);
}

}  // namespace quirevo
