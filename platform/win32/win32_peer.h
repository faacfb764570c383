#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/control.h"

namespace quirevo {

class FormWindow;

// The native side of one control: its window (or windows), mirroring the model's state and
// reporting the user's input through the control's user* methods. The form window routes each
// notification of a child to the peer that owns it.
class Win32Peer : public ControlPeer {
 public:
  Win32Peer(Control& control, FormWindow& window) : control_(control), window_(window) {}
  Win32Peer(const Win32Peer&) = delete;
  Win32Peer& operator=(const Win32Peer&) = delete;
  ~Win32Peer() override;

  void propertyChanged(Property property) final;

  // Notifications from the native control (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM).
  virtual void command(WORD) {}
  virtual LRESULT notify(const NMHDR&) { return 0; }
  virtual void drawItem(const DRAWITEMSTRUCT&) {}

  // The dpi changed: position and font again.
  virtual void rescale();

  Control& control() const { return control_; }
  HWND handle() const { return handle_; }
  // Every native window of the control, in tab order (a spin edit has two).
  virtual std::vector<HWND> windows() const { return {handle_}; }
  // A real parent for controls inside it (group boxes).
  virtual bool isContainer() const { return false; }

 protected:
  // Creates the native window as a child of the control's parent, with its font.
  void create(const wchar_t* windowClass, DWORD style, DWORD extendedStyle = 0);
  // Takes the model's whole state and starts listening; the last step of a peer's constructor.
  void attach();
  // Installs windowMessage() in front of the control's own window procedure.
  void subclass();
  virtual LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT defaultMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Model -> native. kindPropertyChanged covers what the kind adds to the common properties.
  virtual void kindPropertyChanged(Property) {}
  virtual void applyBounds();
  virtual void applyText();
  virtual void applyFont();
  // The text as the native control shows it (buttons would read "&" as a mnemonic).
  virtual std::wstring nativeText() const;
  void setNativeText(HWND window, const std::wstring& text);

  // Native notifications caused by the peer's own updates are not user input.
  bool updating() const { return updating_ > 0; }
  class Updating {
   public:
    explicit Updating(Win32Peer& peer) : peer_(peer) { ++peer_.updating_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;
    ~Updating() { --peer_.updating_; }

   private:
    Win32Peer& peer_;
  };

  FormWindow& window() const { return window_; }
  HWND parentHandle() const;

  HWND handle_ = nullptr;

 private:
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  Control& control_;
  FormWindow& window_;
  int updating_ = 0;
  bool subclassed_ = false;
};

// Captions of buttons and boxes show "&" as itself, not as a mnemonic.
std::wstring literalCaption(const std::string& caption);

}  // namespace quirevo
