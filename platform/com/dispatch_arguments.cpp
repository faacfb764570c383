#include "platform/com/dispatch_arguments.h"

#include "platform/com/com_dispatch.h"
#include "platform/com/com_variant.h"

namespace quirevo {

DispatchArguments::DispatchArguments(InvokeKind kind, std::span<const Variant> positional,
                                     std::span<const NamedArgument> named)
    : values_(positional.size() + named.size()) {
  // Named arguments lead rgvarg, in the order of rgdispidNamedArgs. The value of a put is named
  // DISPID_PROPERTYPUT, which servers require; it is the last positional argument.
  std::size_t next = 0;
  std::span<const Variant> ordinary = positional;
  if (kind == InvokeKind::Put && !positional.empty()) {
    namedIds_.push_back(DISPID_PROPERTYPUT);
    assign(values_[next++], positional.back());
    ordinary = positional.first(positional.size() - 1);
  }
  for (const NamedArgument& argument : named) {
    namedIds_.push_back(argument.id);
    assign(values_[next++], argument.value);
  }
  // Positional arguments follow in reverse: the last parameter first.
  for (auto it = ordinary.rbegin(); it != ordinary.rend(); ++it) {
    assign(values_[next++], *it);
  }

  params_.rgvarg = values_.data();
  params_.cArgs = static_cast<UINT>(values_.size());
  params_.rgdispidNamedArgs = namedIds_.empty() ? nullptr : namedIds_.data();
  params_.cNamedArgs = static_cast<UINT>(namedIds_.size());
}

void DispatchArguments::assign(VARIANT& slot, const Variant& value) {
  if (value.type() == Variant::Type::IntegerRef || value.type() == Variant::Type::StringRef) {
    references_.toCom(value, slot);
  } else {
    toComVariant(value, slot, exportComObject);
  }
}

}  // namespace quirevo
