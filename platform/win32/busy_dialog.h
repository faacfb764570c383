#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/dpi_scale.h"
#include "platform/win32/unique_gdi.h"

namespace quirevo {

// The small dialog over the main window while long work runs: what is being done, and "Stop".
// Stop, Escape and the close box ask to stop, once; the dialog stays until its owner destroys it,
// as the work only ends a moment after it was stopped. Nothing here calls into the work: the
// waiter asks the dialog, so that a failing call never unwinds through a window procedure.
class BusyDialog {
 public:
  // Shown at once, centred over owner (which may be null); title captions it.
  BusyDialog(HWND owner, const std::string& title, const std::string& sentence);
  BusyDialog(const BusyDialog&) = delete;
  BusyDialog& operator=(const BusyDialog&) = delete;
  ~BusyDialog();

  // Shows what the work is doing now, resizing to fit; the same sentence again changes nothing.
  void say(const std::string& sentence);
  // Gives the dialog its keys (Tab, Escape, Space on Stop); whether the message was its own.
  bool handle(MSG& message);
  // True once: on the first call after the user asked to stop.
  bool takeStopRequest();

 private:
  static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR dialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createControls();
  void useFontFor(UINT dpi);
  // The window's size for the sentence at the current dpi.
  SIZE layOut();
  void centreOverOwner(SIZE size);
  void askToStop();

  HWND owner_;
  HWND handle_ = nullptr;  // null once destroyed, also with its owner
  HWND text_ = nullptr;
  HWND stop_ = nullptr;
  UINT dpi_ = kDesignDpi;
  UniqueFont font_;
  std::wstring sentence_;
  bool stopAsked_ = false;
  bool stopPending_ = false;  // asked, not yet taken by the waiter
};

}  // namespace quirevo
