#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/ui_services.h"
#include "ui/utf8.h"

namespace quirevo::testing {

// Services for model tests: fixed-width text, counted beeps, recorded error reports.
class RecordingServices : public UiServices {
 public:
  static constexpr int kCharacterWidth = 6;
  void beep() override { ++beeps; }
  Size measureText(std::string_view text, const Font& font) const override {
    return {static_cast<int>(utf8Length(text)) * kCharacterWidth, font.pixelHeight + 3};
  }
  char32_t decimalSeparator() const override { return separator; }
  void reportError(const std::exception& error) override { errors.emplace_back(error.what()); }

  int beeps = 0;
  char32_t separator = U'.';
  std::vector<std::string> errors;
};

class ModelTest : public ::testing::Test {
 protected:
  RecordingServices services;
  Form form{services, {.name = "Form", .bounds = {0, 0, 400, 300}}};
};

}  // namespace quirevo::testing
