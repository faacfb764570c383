#include "automation/automation_error.h"

#include <cstdio>

namespace quirevo {

AutomationError invalidVariantOperation() {
  return AutomationError("Invalid variant operation");
}

AutomationError memberNotSupported(std::string_view member) {
  return AutomationError("Method '" + std::string(member) + "' not supported by automation object");
}

AutomationError componentException(std::string_view description, std::uint32_t status,
                                   std::string_view systemText) {
  const auto end = description.find_last_not_of(" .");
  if (end == std::string_view::npos) {
    return statusFailure(status, systemText);
  }
  return AutomationError(std::string(description.substr(0, end + 1)));
}

AutomationError statusFailure(std::uint32_t status, std::string_view systemText) {
  if (systemText.empty()) {
    systemText = standardStatusText(status);
  }
  return AutomationError(systemText.empty() ? oleErrorText(status) : std::string(systemText));
}

std::string_view standardStatusText(std::uint32_t status) {
  switch (status) {
    case status::kFail:
      return "Unspecified error";
    case status::kMemberNotFound:
      return "Member not found.";
    case status::kParameterNotFound:
      return "Parameter not found.";
    case status::kTypeMismatch:
      return "Type mismatch.";
    case status::kUnknownName:
      return "Unknown name.";
    case status::kException:
      return "Exception occurred.";
    case status::kBadIndex:
      return "Invalid index.";
    case status::kBadParameterCount:
      return "Invalid number of parameters.";
    case status::kClassNotRegistered:
      return "Class not registered";
    case status::kInvalidClassString:
      return "Invalid class string";
    default:
      return {};
  }
}

std::string oleErrorText(std::uint32_t status) {
  char text[32];
  std::snprintf(text, sizeof text, "OLE error %.8x", static_cast<unsigned>(status));
  return text;
}

}  // namespace quirevo
