#include "i18n/xml_document_component.h"

#include <stdexcept>

namespace quirevo {

void XmlDocumentComponent::loadFromFile(std::string fileName) {
  setActive(false);
  fileName_ = std::move(fileName);
  setActive(true);
}

void XmlDocumentComponent::setActive(bool active) {
  if (!active) {
    document_.reset();
    return;
  }
  if (document_ != nullptr) {
    return;
  }
  if (fileName_.empty()) {
    throw std::runtime_error("No XML document file is named");
  }
  if (parser_ == nullptr) {
    throw std::runtime_error("No XML parser is available");
  }
  document_ = parser_->parseFile(fileName_);
}

std::unique_ptr<XmlNode> XmlDocumentComponent::documentElement() const {
  if (document_ == nullptr) {
    throw std::runtime_error("The XML document is not active");
  }
  std::unique_ptr<XmlNode> root = document_->rootElement();
  if (root == nullptr) {
    throw std::runtime_error("The XML document has no root element");
  }
  return root;
}

}  // namespace quirevo
