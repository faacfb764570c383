#pragma once

#include <windows.h>

namespace quirevo {

// Owns one VARIANT: cleared (releasing its BSTR or interface) when destroyed.
class UniqueVariant {
 public:
  UniqueVariant() noexcept { VariantInit(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
  }
  UniqueVariant& operator=(UniqueVariant&& other) noexcept {
    if (this != &other) {
      VariantClear(&value_);
      value_ = other.value_;
      VariantInit(&other.value_);
    }
    return *this;
  }
  ~UniqueVariant() { VariantClear(&value_); }

  VARIANT& get() noexcept { return value_; }
  const VARIANT& get() const noexcept { return value_; }
  // For an out parameter: clears what is held and hands out the slot to fill.
  VARIANT* out() noexcept {
    VariantClear(&value_);
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace quirevo
