#pragma once

#include <string>
#include <string_view>

#include <com/sun/star/uno/Exception.hpp>

#include "automation/automation_error.h"

namespace quirevo::office {

// A refusal by the component itself, in the protocol's form for an exception it reports.
AutomationError refusal(std::string_view description);

// What the office said when a call failed, without the source position it appends.
std::string officeMessage(const css::uno::Exception& failure);

}  // namespace quirevo::office
