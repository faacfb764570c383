#pragma once

#include <libxml/tree.h>

#include <memory>

#include "platform/xml_parser.h"

namespace quirevo {

struct XmlDocFree {
  void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
using XmlDocPtr = std::unique_ptr<xmlDoc, XmlDocFree>;

class LibXml2Document final : public XmlDocument {
 public:
  explicit LibXml2Document(XmlDocPtr document) : document_(std::move(document)) {}
  std::unique_ptr<XmlNode> rootElement() const override;

 private:
  XmlDocPtr document_;
};

}  // namespace quirevo
