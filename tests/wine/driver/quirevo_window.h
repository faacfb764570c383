#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/win/window_access.h"

namespace quirevo::testing {

// Quirevo's main window as another process operates it. Controls are found by their place in
// the layout (client coordinates at 96 dpi), so they are found whatever the language.
class QuirevoWindow {
 public:
  QuirevoWindow(HWND main, DWORD process);

  HWND main() const { return main_; }
  HWND sheetGroup() const { return sheetGroup_; }
  HWND pageGroup() const { return pageGroup_; }
  // The control of that class whose top-left corner lies there in its parent.
  HWND at(HWND parent, const std::wstring& windowClass, int left, int top) const;
  HWND fileField() const { return at(main_, L"Edit", 88, 64); }
  HWND languageBox() const { return at(main_, L"ComboBox", 16, 448); }
  HWND listBox() const { return at(main_, L"ListBox", 16, 304); }
  HWND printButton() const { return at(main_, L"Button", 496, 200); }
  HWND closeButton() const { return at(main_, L"Button", 496, 440); }
  HWND fileChooser() const { return at(main_, L"Button", 624, 64); }
  HWND previewBox() const { return at(main_, L"Button", 568, 96); }
  HWND printerPanel() const;
  // RadioButton1 to RadioButton12 and SpinEdit1 to SpinEdit10, as the layout numbers them.
  HWND radioButton(int number) const;
  HWND spinEdit(int number) const;
  // The right-aligned Label1, found by its right edge.
  HWND printerLabel() const;

  // Sets Edit1's text as a paste would; returns once the change handler has run, or after a
  // moment when it shows a message box.
  void setFileField(const std::wstring& text) const;
  // The same, returning at once while the change handler runs.
  void startSettingFileField(const std::wstring& text) const;
  // Clicks and returns once the click's handler has run.
  void click(HWND button) const;
  // Clicks and returns at once, for a handler that shows a message box or ends the program.
  void postClick(HWND button) const;
  void chooseLanguage(int item) const;
  // Types into an edit or spin edit character by character, replacing its text.
  void typeInto(HWND edit, const std::wstring& text) const;
  // "..." and the open-file dialog: the path typed into its file name and OK pressed.
  bool pickFile(const std::wstring& path) const;
  std::vector<std::wstring> listLines() const;
  bool checked(HWND button) const;
  // The title bar's close box.
  void closeBox() const;
  // Returns once the program has handled every message sent so far.
  void settle() const;

 private:
  HWND main_;
  DWORD process_;
  HWND sheetGroup_ = nullptr;
  HWND pageGroup_ = nullptr;
};

}  // namespace quirevo::testing
