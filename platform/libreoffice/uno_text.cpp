#include "platform/libreoffice/uno_text.h"

namespace quirevo::office {

rtl::OUString toUno(std::string_view utf8) {
  return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

std::string fromUno(const rtl::OUString& text) {
  const rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

css::beans::PropertyValue property(const char* name, const css::uno::Any& value) {
  css::beans::PropertyValue result;
  result.Name = rtl::OUString::createFromAscii(name);
  result.Value = value;
  return result;
}

css::uno::Sequence<css::beans::PropertyValue> properties(
    std::initializer_list<css::beans::PropertyValue> values) {
  return css::uno::Sequence<css::beans::PropertyValue>(values.begin(),
                                                       static_cast<sal_Int32>(values.size()));
}

}  // namespace quirevo::office
