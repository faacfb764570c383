#include "ui/application.h"

#include "ui/error_text.h"
#include "ui/form.h"
#include "ui/toolkit.h"

namespace quirevo {

Application::Application(Toolkit& desktop)
    : desktop_(desktop), title_(applicationTitle(desktop.executablePath())) {}

void Application::run(Form& mainForm) {
  desktop_.run(mainForm);
}

void Application::beep() {
  desktop_.beep();
}

Size Application::measureText(std::string_view text, const Font& font) const {
  return desktop_.measureText(text, font);
}

char32_t Application::decimalSeparator() const {
  return desktop_.decimalSeparator();
}

void Application::reportError(const std::exception& error) {
  desktop_.showMessageBox(title_, messageWithFullStop(error.what()), MessageIcon::Error);
}

}  // namespace quirevo
