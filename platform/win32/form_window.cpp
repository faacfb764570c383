#include "platform/win32/form_window.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/win32/dropped_files.h"
#include "platform/win32/peer_factory.h"
#include "platform/win32/resource_ids.h"
#include "platform/windows/wide_text.h"
#include "ui/tab_order.h"

namespace quirevo {

namespace {

constexpr wchar_t kFormClass[] = L"QuirevoForm";

void registerFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kFormClass;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUIREVO), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUIREVO),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("The main window class could not be registered");
  }
}

}  // namespace

FormWindow::FormWindow(Form& form, Win32Fonts& fonts, HINSTANCE instance)
    : form_(form), fonts_(fonts), instance_(instance) {
  registerFormClass(instance_, windowProc);
  dpi_ = GetDpiForSystem();
  // The window opens where it was designed; its outer size, border included, scales.
  const Bounds& bounds = form_.bounds();
  handle_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, toWide(form_.text()).c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds.left, bounds.top,
                            scale()(bounds.width), scale()(bounds.height), nullptr, nullptr,
                            instance_, this);
  if (handle_ == nullptr) {
    throw std::runtime_error("The main window could not be created");
  }
  const UINT windowDpi = GetDpiForWindow(handle_);
  if (windowDpi != 0 && windowDpi != dpi_) {
    dpi_ = windowDpi;
    SetWindowPos(handle_, nullptr, 0, 0, scale()(bounds.width), scale()(bounds.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  createPeers();
  // Files dropped onto any control arrive here too: the controls take none themselves.
  DragAcceptFiles(handle_, TRUE);
  form_.attachPeer(this);
}

FormWindow::~FormWindow() {
  form_.attachPeer(nullptr);
  if (IsWindow(handle_)) {
    DestroyWindow(handle_);
  }
  peers_.clear();
}

void FormWindow::createPeers() {
  for (Control* control : form_.allControls()) {
    std::unique_ptr<Win32Peer> peer = makePeer(*control, *this);
    peersByControl_[control] = peer.get();
    peers_.push_back(std::move(peer));
  }
  arrangeTabOrder(form_);
  for (const auto& peer : peers_) {
    if (peer->isContainer()) {
      arrangeTabOrder(peer->control());
    }
  }
}

void FormWindow::arrangeTabOrder(const Control& parent) {
  // The dialog manager tabs through siblings in z-order.
  HWND previous = HWND_TOP;
  bool previousWasRadio = false;
  for (const Control* control : childrenInTabOrder(parent)) {
    const bool radio = control->kind() == ControlKind::RadioButton;
    for (HWND native : peersByControl_.at(control)->windows()) {
      SetWindowPos(native, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = native;
    }
    // A run of radio buttons is one group for the arrow keys; every other control starts one.
    HWND first = peersByControl_.at(control)->handle();
    LONG_PTR style = GetWindowLongPtrW(first, GWL_STYLE);
    style = (radio && previousWasRadio) ? (style & ~WS_GROUP) : (style | WS_GROUP);
    SetWindowLongPtrW(first, GWL_STYLE, style);
    previousWasRadio = radio;
  }
}

void FormWindow::show(int showCommand) {
  ShowWindow(handle_, showCommand);
  UpdateWindow(handle_);
  if (HWND first = GetNextDlgTabItem(handle_, nullptr, FALSE)) {
    SetFocus(first);
  }
}

HWND FormWindow::handleOf(const Control& control) const {
  if (&control == &form_) {
    return handle_;
  }
  return peersByControl_.at(&control)->handle();
}

Win32Peer* FormWindow::peerOf(HWND child) const {
  const auto found = routes_.find(child);
  return found == routes_.end() ? nullptr : found->second;
}

void FormWindow::propertyChanged(Property property) {
  switch (property) {
    case Property::Text:
      SetWindowTextW(handle_, toWide(form_.text()).c_str());
      break;
    case Property::Closed:
      DestroyWindow(handle_);
      break;
    default:
      break;
  }
}

bool FormWindow::routeChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Win32Peer* peer = peerOf(reinterpret_cast<HWND>(lParam))) {
        peer->command(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (Win32Peer* peer = peerOf(header->hwndFrom)) {
        result = peer->notify(*header);
        return true;
      }
      return false;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Win32Peer* peer = peerOf(item->hwndItem)) {
        peer->drawItem(*item);
        result = TRUE;
        return true;
      }
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Labels, check boxes, radio buttons and boxes sit on the button face.
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    default:
      return false;
  }
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->handle_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->windowMessage(message, wParam, lParam);
}

LRESULT FormWindow::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (routeChildMessage(message, wParam, lParam, result)) {
    return result;
  }
  switch (message) {
    case WM_CLOSE:
      // The close box, the window menu and Alt+F4; the model decides and closes the window.
      form_.userClose();
      return 0;
    case WM_DROPFILES: {
      // The drop is finished before the handler runs: it may wait on a message box.
      const std::optional<std::string> path = DroppedFiles(reinterpret_cast<HDROP>(wParam)).first();
      if (path) {
        form_.userDropFile(*path);
      }
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_ACTIVATE:
      // A window that is no dialog keeps the focused control across deactivation itself.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(handle_, focus)) {
          lastFocus_ = focus;
        }
        return 0;
      }
      [[fallthrough]];
    case WM_SETFOCUS:
      if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      if (HWND first = GetNextDlgTabItem(handle_, nullptr, FALSE)) {
        SetFocus(first);
      }
      return 0;
    case WM_NEXTDLGCTL: {
      // The dialog manager asks for this on Tab and the arrow keys; a window that is no dialog
      // moves the focus itself, as a dialog's default procedure would.
      HWND target = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(handle_, GetFocus(), wParam != 0);
      if (target != nullptr) {
        SetFocus(target);
        if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
          SendMessageW(target, EM_SETSEL, 0, -1);
        }
      }
      return 0;
    }
    case WM_DPICHANGED:
      rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return DefWindowProcW(handle_, message, wParam, lParam);
  }
}

void FormWindow::rescale(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  for (const auto& peer : peers_) {
    peer->rescale();
  }
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quirevo
