#include "platform/libreoffice/office_failure.h"

#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

AutomationError refusal(std::string_view description) {
  return componentException(description, status::kException);
}

std::string officeMessage(const css::uno::Exception& failure) {
  std::string message = fromUno(failure.Message);
  // Messages end in " at ./path/file.cxx:123" in builds with source positions.
  const auto position = message.rfind(" at ");
  if (position != std::string::npos && message.find(".cxx:", position) != std::string::npos) {
    message.erase(position);
  }
  return message;
}

}  // namespace quirevo::office
