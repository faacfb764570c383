#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/xml_parser.h"

namespace quirevo {

// The window's XML document component, which reads the language files. It remembers the file
// that the last load named, also when that load failed, and holds at most one open document.
// It is inactive at start and never writes a file back.
class XmlDocumentComponent {
 public:
  static constexpr std::string_view kDomVendor = "MSXML";

  // Without a parser every load fails with a message.
  explicit XmlDocumentComponent(XmlParser* parser) : parser_(parser) {}

  const std::string& fileName() const { return fileName_; }
  bool active() const { return document_ != nullptr; }

  // Closes the open document, remembers the file and parses it; after a failure the component
  // stays inactive and the file stays remembered.
  void loadFromFile(std::string fileName);
  // Activating parses the remembered file; deactivating closes the document without saving.
  void setActive(bool active);

  // The root element of the open document.
  std::unique_ptr<XmlNode> documentElement() const;

 private:
  XmlParser* parser_;
  std::string fileName_;
  std::unique_ptr<XmlDocument> document_;
};

}  // namespace quirevo
