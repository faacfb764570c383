#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

namespace quirevo::office {

rtl::OUString toUno(std::string_view utf8);
std::string fromUno(const rtl::OUString& text);

css::beans::PropertyValue property(const char* name, const css::uno::Any& value);
// The binding offers no list constructor for sequences outside the office's own code.
css::uno::Sequence<css::beans::PropertyValue> properties(
    std::initializer_list<css::beans::PropertyValue> values);

}  // namespace quirevo::office
