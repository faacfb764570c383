#include "tests/win/window_access.h"

namespace quirevo::testing {

std::wstring textOf(HWND window) {
  wchar_t buffer[512] = {};
  // WM_GETTEXT with a timeout: the window belongs to another process that may be busy.
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                      &copied);
  return buffer;
}

std::wstring classOf(HWND window) {
  wchar_t buffer[128] = {};
  GetClassNameW(window, buffer, 128);
  return buffer;
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < end) {
    if (condition()) {
      return true;
    }
    Sleep(50);
  }
  return condition();
}

HWND topLevel(DWORD process, const std::wstring& windowClass, const std::wstring& title) {
  struct Search {
    DWORD process;
    const std::wstring& windowClass;
    const std::wstring& title;
    HWND found;
  } search{process, windowClass, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.process && IsWindowVisible(window) && classOf(window) == s.windowClass &&
            textOf(window) == s.title) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> descendants(HWND parent) {
  std::vector<HWND> all;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

LONG_PTR buttonType(HWND window) {
  return GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
}

HWND control(HWND main, const std::wstring& windowClass, const std::wstring& text,
             std::optional<LONG_PTR> type) {
  for (HWND window : descendants(main)) {
    if (classOf(window) == windowClass && textOf(window) == text &&
        (!type || (windowClass == L"Button" && buttonType(window) == *type))) {
      return window;
    }
  }
  return nullptr;
}

RECT clientRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND focusOf(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

void press(WORD key, bool withAlt) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (withAlt) {
    add(VK_MENU, 0);
  }
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (withAlt) {
    add(VK_MENU, KEYEVENTF_KEYUP);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(150);
}

void type(const std::wstring& characters) {
  for (wchar_t c : characters) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(100);
  }
}

namespace {

// The pixels of the size x size square at the top left of a device context, row by row.
std::vector<COLORREF> squareIn(HDC dc, int size) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      pixels.push_back(GetPixel(dc, x, y));
    }
  }
  return pixels;
}

// The pixels of a square of the screen. Another process's window cannot be read through its own
// DC here (it reads black), the screen can.
std::vector<COLORREF> pixelsOf(HDC source, int left, int top, int size) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, size, size);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, size, size, source, left, top, SRCCOPY);
  std::vector<COLORREF> pixels = squareIn(memory, size);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

// A system icon drawn on a background of that colour, as a message box draws it.
std::vector<COLORREF> drawnIcon(LPCWSTR id, COLORREF background, int size) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  const RECT all{0, 0, size, size};
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  DrawIconEx(memory, 0, 0, LoadIconW(nullptr, id), size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels = squareIn(memory, size);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::wstring iconOf(HWND box) {
  // The icon handle belongs to the other process and cannot be read here, so the icon control's
  // pixels on the screen are compared with each system icon drawn here; the box is on top.
  constexpr int kSize = 32;
  for (HWND window : descendants(box)) {
    DWORD_PTR icon = 0;
    if (classOf(window) != L"Static" ||
        !SendMessageTimeoutW(window, STM_GETICON, 0, 0, SMTO_BLOCK, 5000, &icon) || icon == 0) {
      continue;
    }
    RECT at;
    GetWindowRect(window, &at);
    HDC screen = GetDC(nullptr);
    const std::vector<COLORREF> shown = pixelsOf(screen, at.left, at.top, kSize);
    ReleaseDC(nullptr, screen);
    const std::pair<LPCWSTR, const wchar_t*> icons[] = {{IDI_ERROR, L"error"},
                                                        {IDI_WARNING, L"warning"},
                                                        {IDI_INFORMATION, L"information"},
                                                        {IDI_QUESTION, L"question"}};
    for (const auto& [id, name] : icons) {
      if (drawnIcon(id, shown.front(), kSize) == shown) {
        return name;
      }
    }
    return L"unknown";
  }
  return L"none";
}

}  // namespace

std::optional<MessageBoxContent> acceptMessageBox(DWORD process, const std::wstring& caption,
                                                  DWORD timeoutMs) {
  HWND box = nullptr;
  // A message box's text is its item 0xFFFF; a dialog of another kind, however captioned, is none.
  if (!waitFor(
          [&] {
            box = topLevel(process, L"#32770", caption);
            return box != nullptr && GetDlgItem(box, 0xFFFF) != nullptr;
          },
          timeoutMs)) {
    return std::nullopt;
  }
  MessageBoxContent content{textOf(box), textOf(GetDlgItem(box, 0xFFFF)), iconOf(box)};
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  waitFor([&] { return !IsWindow(box); });
  return content;
}

}  // namespace quirevo::testing
