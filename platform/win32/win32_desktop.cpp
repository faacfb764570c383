#include "platform/win32/win32_desktop.h"

#include <commctrl.h>
#include <commdlg.h>
#include <knownfolders.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "platform/win32/form_window.h"
#include "platform/win32/unique_gdi.h"
#include "platform/windows/known_folder.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

// Room for the longest path the dialog can give back.
constexpr DWORD kFileNameCapacity = 32768;

// The dialog's filter: description and patterns in pairs, each ended by a NUL, the list by two.
std::wstring dialogFilter(const std::vector<FileFilter>& filters) {
  std::wstring filter;
  for (const FileFilter& entry : filters) {
    filter += toWide(entry.description) + L'\0' + toWide(entry.patterns) + L'\0';
  }
  return filter + L'\0';
}

// Where a user keeps files: the Documents folder, else the profile folder; empty when the shell
// knows neither, and the dialog chooses.
std::wstring userFilesFolder() {
  for (const KNOWNFOLDERID* folder : {&FOLDERID_Documents, &FOLDERID_Profile}) {
    if (std::wstring path = knownFolderPath(*folder); !path.empty()) {
      return path;
    }
  }
  return {};
}

// Puts the working folder back when it ends. A choice in the open dialog makes the chosen
// file's folder the working folder, and Windows documents OFN_NOCHANGEDIR (set all the same) as
// ineffective for GetOpenFileName; the language files, named without a folder, must stay found.
class WorkingFolderKept {
 public:
  WorkingFolderKept() {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    const DWORD copied = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    if (copied > 0 && copied < folder.size()) {
      folder_ = folder.substr(0, copied);
    }
  }
  ~WorkingFolderKept() {
    if (!folder_.empty()) {
      SetCurrentDirectoryW(folder_.c_str());
    }
  }
  WorkingFolderKept(const WorkingFolderKept&) = delete;
  WorkingFolderKept& operator=(const WorkingFolderKept&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace

Win32Desktop::Win32Desktop(HINSTANCE instance, int showCommand)
    : instance_(instance), showCommand_(showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

HWND Win32Desktop::owner() const {
  return mainWindow_ != nullptr && IsWindow(mainWindow_->handle()) ? mainWindow_->handle()
                                                                   : nullptr;
}

std::optional<std::string> Win32Desktop::showOpenDialog(const OpenFileRequest& request) {
  const std::wstring filter = dialogFilter(request.filters);
  std::vector<wchar_t> fileName(kFileNameCapacity, L'\0');
  const std::wstring previous = toWide(request.fileName);
  previous.copy(fileName.data(), std::min<std::size_t>(previous.size(), kFileNameCapacity - 1));

  // Without a previous file the dialog would start in the working folder, the program's own.
  const std::wstring initialFolder = userFilesFolder();

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = kFileNameCapacity;
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  const WorkingFolderKept workingFolder;
  if (GetOpenFileNameW(&dialog)) {
    return toUtf8(fileName.data());
  }
  if (const DWORD failure = CommDlgExtendedError(); failure != 0) {
    char text[64];
    std::snprintf(text, sizeof text, "The open dialog failed (error %lX)",
                  static_cast<unsigned long>(failure));
    throw std::runtime_error(text);
  }
  return std::nullopt;
}

void Win32Desktop::showMessageBox(std::string_view caption, std::string_view text,
                                  MessageIcon icon) {
  const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : 0);
  MessageBoxW(owner(), toWide(text).c_str(), toWide(caption).c_str(), style);
}

void Win32Desktop::beep() {
  MessageBeep(MB_OK);
}

Size Win32Desktop::measureText(std::string_view text, const Font& font) const {
  // Measured with the font as it is drawn, then given in the layout's 96-dpi pixels.
  const DpiScale scale =
      mainWindow_ != nullptr ? mainWindow_->scale() : DpiScale{GetDpiForSystem()};
  const ScreenDc screen;
  const SelectedObject selected(screen.get(), fonts_.get(font, scale.dpi));
  const std::wstring wide = toWide(text);
  SIZE extent{0, 0};
  GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.get(), &metrics);
  return {scale.toDesign(extent.cx), scale.toDesign(metrics.tmHeight)};
}

char32_t Win32Desktop::decimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) {
    return U'.';
  }
  return static_cast<char32_t>(separator[0]);
}

std::string Win32Desktop::executablePath() const {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      throw std::runtime_error("The program's own file name is not available");
    }
    if (length < path.size()) {
      return toUtf8(std::wstring_view(path.data(), length));
    }
    path.resize(path.size() * 2);
  }
}

void Win32Desktop::run(Form& mainForm) {
  FormWindow window(mainForm, fonts_, instance_);
  mainWindow_ = &window;
  window.show(showCommand_);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the window Tab, the arrow keys within a group and mnemonics.
    if (!IsWindow(window.handle()) || !IsDialogMessageW(window.handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  mainWindow_ = nullptr;
}

}  // namespace quirevo
