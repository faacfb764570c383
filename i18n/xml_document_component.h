#pragma once

#include <string_view>

namespace quirevo {

// The window's XML document component, which reads the language files. Inactive at start.
class XmlDocumentComponent {
 public:
  static constexpr std::string_view kDomVendor = "MSXML";
  bool active() const { return false; }
};

}  // namespace quirevo
