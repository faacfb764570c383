#pragma once

#include "platform/xml_parser.h"

namespace quirevo {

// The XML parser over MSXML 6, or MSXML 3 where 6 is not installed: synchronous, no validation,
// no external resolution, white-space-only text dropped. Needs COM on the calling thread.
class MsxmlParser final : public XmlParser {
 public:
  std::unique_ptr<XmlDocument> parseFile(const std::string& fileName) override;
};

}  // namespace quirevo
