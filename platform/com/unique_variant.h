#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

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

// Owns an array of VARIANTs (the rgvarg of a call): each is cleared when the array goes, also when
// filling it stopped halfway.
class UniqueVariantArray {
 public:
  explicit UniqueVariantArray(std::size_t size) : values_(size) {
    for (VARIANT& value : values_) {
      VariantInit(&value);
    }
  }
  UniqueVariantArray(const UniqueVariantArray&) = delete;
  UniqueVariantArray& operator=(const UniqueVariantArray&) = delete;
  ~UniqueVariantArray() {
    for (VARIANT& value : values_) {
      VariantClear(&value);
    }
  }

  VARIANT& operator[](std::size_t index) { return values_.at(index); }
  // Null for no values, as DISPPARAMS has it.
  VARIANT* data() noexcept { return values_.empty() ? nullptr : values_.data(); }
  std::size_t size() const noexcept { return values_.size(); }

 private:
  std::vector<VARIANT> values_;
};

}  // namespace quirevo
