#pragma once

#include <memory>
#include <string>

#include "platform/xml_parser.h"

namespace quirevo {

// The XML parser over libxml2. Nothing outside the named file is ever read: no network, no
// document type, no external entity; entity expansion stays within libxml2's default bounds.
class LibXml2Parser final : public XmlParser {
 public:
  LibXml2Parser();
  std::unique_ptr<XmlDocument> parseFile(const std::string& fileName) override;
};

}  // namespace quirevo
