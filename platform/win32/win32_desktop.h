#pragma once

#include <windows.h>

#include "platform/win32/win32_fonts.h"
#include "ui/toolkit.h"

namespace quirevo {

class FormWindow;

// The Windows desktop: native windows with a peer per control, the message loop, the common
// open-file dialog, message boxes and the beep.
class Win32Desktop final : public Toolkit {
 public:
  Win32Desktop(HINSTANCE instance, int showCommand);

  std::optional<std::string> showOpenDialog(const OpenFileRequest& request) override;
  void showMessageBox(std::string_view caption, std::string_view text, MessageIcon icon) override;
  void beep() override;
  Size measureText(std::string_view text, const Font& font) const override;
  char32_t decimalSeparator() const override;
  std::string executablePath() const override;
  void run(Form& mainForm) override;

  // The main window while run() shows it, else null: what dialogs belong to.
  HWND mainWindow() const { return owner(); }

 private:
  // The window that owns dialogs while the main window exists.
  HWND owner() const;

  HINSTANCE instance_;
  int showCommand_;
  mutable Win32Fonts fonts_;
  FormWindow* mainWindow_ = nullptr;
};

}  // namespace quirevo
