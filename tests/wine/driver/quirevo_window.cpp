#include "tests/wine/driver/quirevo_window.h"

namespace quirevo::testing {

namespace {

constexpr DWORD kHandlerTimeoutMs = 20000;

struct Place {
  bool inSheetGroup;
  int left;
  int top;
};

// Positions of the layout's radio buttons and spin edits; the mode buttons lie on the window.
constexpr Place kRadioButtons[] = {{false, 496, 128}, {false, 496, 160}, {true, 16, 24},
                                   {true, 16, 56},    {true, 16, 88},    {true, 16, 120},
                                   {true, 16, 152},   {false, 16, 32},   {false, 16, 64},
                                   {false, 16, 96},   {false, 16, 128},  {false, 16, 160}};
constexpr Place kSpinEdits[] = {
    {true, 184, 50},  {true, 232, 82},  {true, 136, 82},  {true, 392, 78},  {true, 392, 152},
    {false, 248, 12}, {false, 176, 58}, {false, 152, 90}, {false, 240, 90}, {false, 392, 152}};

}  // namespace

QuirevoWindow::QuirevoWindow(HWND main, DWORD process) : main_(main), process_(process) {
  // Both group boxes lie at the same place; the program starts in sheet mode.
  for (HWND window : descendants(main_)) {
    if (GetParent(window) == main_ && classOf(window) == L"Button" &&
        buttonType(window) == BS_GROUPBOX) {
      (IsWindowVisible(window) ? sheetGroup_ : pageGroup_) = window;
    }
  }
}

HWND QuirevoWindow::at(HWND parent, const std::wstring& windowClass, int left, int top) const {
  for (HWND window : descendants(parent)) {
    const RECT rect = clientRect(window);
    if (GetParent(window) == parent && classOf(window) == windowClass && rect.left == left &&
        rect.top == top) {
      return window;
    }
  }
  return nullptr;
}

HWND QuirevoWindow::printerPanel() const {
  for (HWND window : descendants(main_)) {
    if (classOf(window) == L"QuirevoPanel") {
      return window;
    }
  }
  return nullptr;
}

HWND QuirevoWindow::radioButton(int number) const {
  const Place& place = kRadioButtons[number - 1];
  const bool onWindow = number <= 2;
  return at(onWindow             ? main_
            : place.inSheetGroup ? sheetGroup_
                                 : pageGroup_,
            L"Button", place.left, place.top);
}

HWND QuirevoWindow::spinEdit(int number) const {
  const Place& place = kSpinEdits[number - 1];
  return at(place.inSheetGroup ? sheetGroup_ : pageGroup_, L"Edit", place.left, place.top);
}

HWND QuirevoWindow::printerLabel() const {
  for (HWND window : descendants(main_)) {
    const RECT rect = clientRect(window);
    if (GetParent(window) == main_ && classOf(window) == L"Static" && rect.right == 81 &&
        rect.top == 30) {
      return window;
    }
  }
  return nullptr;
}

void QuirevoWindow::setFileField(const std::wstring& text) const {
  // Wine copies the text to the other process with the message, so an early return is safe.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(fileField(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_NORMAL, 3000, &result);
}

void QuirevoWindow::startSettingFileField(const std::wstring& text) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(fileField(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_NORMAL, 100, &result);
}

void QuirevoWindow::click(HWND button) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kHandlerTimeoutMs, &result);
}

void QuirevoWindow::postClick(HWND button) const {
  PostMessageW(button, BM_CLICK, 0, 0);
}

void QuirevoWindow::chooseLanguage(int item) const {
  HWND box = languageBox();
  DWORD_PTR result = 0;
  SendMessageTimeoutW(box, CB_SETCURSEL, static_cast<WPARAM>(item), 0, SMTO_NORMAL,
                      kHandlerTimeoutMs, &result);
  // What the box tells its parent when the user picks an item.
  SendMessageTimeoutW(main_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(box), SMTO_NORMAL, kHandlerTimeoutMs, &result);
}

void QuirevoWindow::typeInto(HWND edit, const std::wstring& text) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, kHandlerTimeoutMs, &result);
  if (text.empty()) {
    SendMessageTimeoutW(edit, WM_CHAR, VK_BACK, 0, SMTO_NORMAL, kHandlerTimeoutMs, &result);
  }
  for (wchar_t c : text) {
    SendMessageTimeoutW(edit, WM_CHAR, c, 0, SMTO_NORMAL, kHandlerTimeoutMs, &result);
  }
}

bool QuirevoWindow::pickFile(const std::wstring& path) const {
  postClick(fileChooser());
  HWND dialog = nullptr;
  if (!waitFor([&] { return (dialog = topLevel(process_, L"#32770", L"Open")) != nullptr; })) {
    return false;
  }
  constexpr int kFileNameCombo = 0x47C;  // cmb13
  constexpr int kFileNameEdit = 0x480;   // edt1
  HWND name = GetDlgItem(dialog, kFileNameCombo) ? GetDlgItem(dialog, kFileNameCombo)
                                                 : GetDlgItem(dialog, kFileNameEdit);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return waitFor([&] { return !IsWindow(dialog); });
}

std::vector<std::wstring> QuirevoWindow::listLines() const {
  HWND list = listBox();
  std::vector<std::wstring> lines;
  DWORD_PTR count = 0;
  SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kHandlerTimeoutMs, &count);
  for (WPARAM i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, kHandlerTimeoutMs, &length);
    std::wstring line(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()), SMTO_NORMAL,
                        kHandlerTimeoutMs, &copied);
    line.resize(copied);
    lines.push_back(line);
  }
  return lines;
}

bool QuirevoWindow::checked(HWND button) const {
  DWORD_PTR state = 0;
  SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, kHandlerTimeoutMs, &state);
  return state == BST_CHECKED;
}

void QuirevoWindow::closeBox() const {
  PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void QuirevoWindow::settle() const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, kHandlerTimeoutMs, &result);
}

}  // namespace quirevo::testing
