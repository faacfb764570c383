#pragma once

#include <string>

#include "ui/ui_services.h"

namespace quirevo {

class Toolkit;
class Form;

// Runs the main form and reports every exception that escapes an event handler in an error
// message box captioned with the application title; the program then goes on.
class Application final : public UiServices {
 public:
  explicit Application(Toolkit& desktop);

  const std::string& title() const { return title_; }
  void run(Form& mainForm);

  void beep() override;
  Size measureText(std::string_view text, const Font& font) const override;
  char32_t decimalSeparator() const override;
  void reportError(const std::exception& error) override;

 private:
  Toolkit& desktop_;
  std::string title_;
};

}  // namespace quirevo
