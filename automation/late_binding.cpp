#include "automation/late_binding.h"

#include <vector>

#include "automation/automation_error.h"

namespace quirevo {

LateBound LateBound::get(std::string_view member) const {
  return LateBound(invoke(member, InvokeKind::Get, {}, {}));
}

LateBound LateBound::indexedGet(std::string_view member, Variant index) const {
  return LateBound(invoke(member, InvokeKind::IndexedGet, std::span<const Variant>(&index, 1), {}));
}

void LateBound::put(std::string_view member, Variant value) const {
  invoke(member, InvokeKind::Put, std::span<const Variant>(&value, 1), {});
}

void LateBound::call(std::string_view member, std::span<const Variant> positional,
                     std::span<const NamedValue> named) const {
  invoke(member, InvokeKind::Method, positional, named);
}

Variant LateBound::invoke(std::string_view member, InvokeKind kind,
                          std::span<const Variant> positional,
                          std::span<const NamedValue> named) const {
  if (value_.type() != Variant::Type::Object || value_.isNothing()) {
    throw invalidVariantOperation();
  }
  Dispatch& object = *value_.objectValue();

  std::vector<std::string_view> names;
  names.reserve(named.size());
  for (const NamedValue& argument : named) {
    names.push_back(argument.name);
  }
  const std::vector<DispId> ids = object.idsOfNames(member, names);

  std::vector<NamedArgument> namedArguments;
  namedArguments.reserve(named.size());
  for (std::size_t i = 0; i < named.size(); ++i) {
    namedArguments.push_back({ids.at(i + 1), named[i].value});
  }
  return object.invoke(ids.at(0), kind, positional, namedArguments);
}

}  // namespace quirevo
