#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win32/dpi_scale.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_peer.h"
#include "ui/form.h"

namespace quirevo {

// The native window of a form: a peer for every control, the controls in the model's tab order,
// and the routing of the children's notifications to their peers. It is the form's own peer as
// well: the caption follows the model, and closing the form destroys the window.
class FormWindow final : public ControlPeer {
 public:
  FormWindow(Form& form, Win32Fonts& fonts, HINSTANCE instance);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  void show(int showCommand);
  HWND handle() const { return handle_; }

  void propertyChanged(Property property) override;

  // For the peers.
  HWND handleOf(const Control& control) const;
  DpiScale scale() const { return {dpi_}; }
  HFONT font(const Font& font) { return fonts_.get(font, dpi_); }
  HINSTANCE instance() const { return instance_; }
  int nextControlId() { return nextControlId_++; }
  void route(HWND child, Win32Peer& peer) { routes_[child] = &peer; }
  // The notifications a container's children send to their parent reach their peers from here.
  bool routeChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void createPeers();
  void arrangeTabOrder(const Control& parent);
  void rescale(UINT dpi, const RECT& suggested);
  Win32Peer* peerOf(HWND child) const;

  Form& form_;
  Win32Fonts& fonts_;
  HINSTANCE instance_;
  HWND handle_ = nullptr;
  UINT dpi_ = kDesignDpi;
  std::vector<std::unique_ptr<Win32Peer>> peers_;
  std::unordered_map<const Control*, Win32Peer*> peersByControl_;
  std::unordered_map<HWND, Win32Peer*> routes_;
  HWND lastFocus_ = nullptr;
  // Control ids start above IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
  int nextControlId_ = 100;
};

}  // namespace quirevo
