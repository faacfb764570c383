#pragma once

#include <windows.h>

#include <utility>

namespace quirevo {

// Owns one GDI object (font, bitmap, brush); deleted when replaced or destroyed.
template <class Handle>
class UniqueGdi {
 public:
  UniqueGdi() = default;
  explicit UniqueGdi(Handle handle) noexcept : handle_(handle) {}
  UniqueGdi(const UniqueGdi&) = delete;
  UniqueGdi& operator=(const UniqueGdi&) = delete;
  UniqueGdi(UniqueGdi&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdi& operator=(UniqueGdi&& other) noexcept {
    reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~UniqueGdi() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) noexcept {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;

// A memory device context with one object selected into it; both are put back when it goes.
class MemoryDc {
 public:
  MemoryDc(HDC compatibleWith, HGDIOBJ selected)
      : dc_(CreateCompatibleDC(compatibleWith)), previous_(SelectObject(dc_, selected)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The screen's device context, released when it goes.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }
  HDC get() const noexcept { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a device context for a scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace quirevo
