#include "automation/member_table.h"

#include <algorithm>

#include "automation/ascii_case.h"
#include "automation/automation_error.h"

namespace quirevo {

std::vector<DispId> MemberTable::idsOfNames(std::string_view member,
                                            std::span<const std::string_view> argumentNames) const {
  const auto found = std::find_if(members_.begin(), members_.end(), [&](const MemberSignature& m) {
    return equalsIgnoringAsciiCase(m.name, member);
  });
  if (found == members_.end()) {
    throw memberNotSupported(member);
  }
  std::vector<DispId> ids;
  ids.reserve(1 + argumentNames.size());
  ids.push_back(static_cast<DispId>(found - members_.begin()));
  for (std::string_view argument : argumentNames) {
    const auto& parameters = found->parameters;
    const auto parameter =
        std::find_if(parameters.begin(), parameters.end(),
                     [&](const Parameter& p) { return equalsIgnoringAsciiCase(p.name, argument); });
    if (parameter == parameters.end()) {
      throw memberNotSupported(member);
    }
    ids.push_back(static_cast<DispId>(parameter - parameters.begin()));
  }
  return ids;
}

const MemberSignature& MemberTable::signature(DispId member) const {
  if (member < 0 || static_cast<std::size_t>(member) >= members_.size()) {
    throw statusFailure(status::kMemberNotFound);
  }
  return members_[static_cast<std::size_t>(member)];
}

BoundArguments MemberTable::bind(DispId member, InvokeKind kind,
                                 std::span<const Variant> positional,
                                 std::span<const NamedArgument> named) const {
  const MemberSignature& signature = this->signature(member);
  if (!signature.kinds.contains(kind)) {
    throw statusFailure(status::kMemberNotFound);
  }
  const auto& parameters = signature.parameters;
  if (positional.size() + named.size() > parameters.size()) {
    throw statusFailure(status::kBadParameterCount);
  }
  BoundArguments arguments(parameters.size());
  for (std::size_t i = 0; i < positional.size(); ++i) {
    arguments.bind(i, positional[i]);
  }
  for (const NamedArgument& argument : named) {
    if (argument.id < 0 || static_cast<std::size_t>(argument.id) >= parameters.size() ||
        arguments.has(static_cast<std::size_t>(argument.id))) {
      throw statusFailure(status::kParameterNotFound);
    }
    arguments.bind(static_cast<std::size_t>(argument.id), argument.value);
  }
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (!arguments.has(i)) {
      if (!parameters[i].optional) {
        throw statusFailure(status::kBadParameterCount);
      }
    } else if (!parameters[i].accepts.contains(arguments[i].type())) {
      throw statusFailure(status::kTypeMismatch);
    }
  }
  return arguments;
}

}  // namespace quirevo
