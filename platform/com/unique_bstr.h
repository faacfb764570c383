#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace quirevo {

// Owns one BSTR; freed with SysFreeString when replaced or destroyed.
class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(std::string_view text);
  // Takes over a BSTR the caller owns.
  static UniqueBstr adopt(BSTR value) noexcept {
    UniqueBstr owned;
    owned.value_ = value;
    return owned;
  }

  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;
  UniqueBstr(UniqueBstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    reset(std::exchange(other.value_, nullptr));
    return *this;
  }
  ~UniqueBstr() { reset(); }

  BSTR get() const noexcept { return value_; }
  // For an out parameter: frees what is held and hands out the slot to fill.
  BSTR* out() noexcept {
    reset();
    return &value_;
  }
  // For an in/out parameter: the callee may free the value held and store another.
  BSTR* inOut() noexcept { return &value_; }
  BSTR release() noexcept { return std::exchange(value_, nullptr); }
  void reset(BSTR value = nullptr) noexcept;

  // A null BSTR is the empty string.
  std::string text() const;

 private:
  BSTR value_ = nullptr;
};

// The UTF-8 text of a BSTR that someone else owns.
std::string bstrText(BSTR value);

}  // namespace quirevo
