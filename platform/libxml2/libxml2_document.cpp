#include "platform/libxml2/libxml2_document.h"

namespace quirevo {

namespace {

std::string text(const xmlChar* value) {
  return value == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(value));
}

// A view of a node inside the document that owns it.
class LibXml2Node final : public XmlNode {
 public:
  explicit LibXml2Node(xmlNode* node) : node_(node) {}

  XmlNodeKind kind() const override {
    switch (node_->type) {
      case XML_ELEMENT_NODE:
        return XmlNodeKind::Element;
      case XML_TEXT_NODE:
        return XmlNodeKind::Text;
      case XML_CDATA_SECTION_NODE:
        return XmlNodeKind::CData;
      default:
        return XmlNodeKind::Other;
    }
  }

  std::string name() const override {
    if (!isElement()) {
      return {};
    }
    if (node_->ns != nullptr && node_->ns->prefix != nullptr) {
      return text(node_->ns->prefix) + ":" + text(node_->name);
    }
    return text(node_->name);
  }

  std::string localName() const override { return isElement() ? text(node_->name) : ""; }

  std::string namespaceUri() const override {
    return isElement() && node_->ns != nullptr ? text(node_->ns->href) : "";
  }

  std::string value() const override {
    const XmlNodeKind nodeKind = kind();
    return nodeKind == XmlNodeKind::Text || nodeKind == XmlNodeKind::CData ? text(node_->content)
                                                                           : "";
  }

  std::vector<std::unique_ptr<XmlNode>> children() const override {
    std::vector<std::unique_ptr<XmlNode>> nodes;
    // An entity reference's children are the entity's own declaration, shared by every
    // reference; they are no content of this node.
    if (node_->type == XML_ENTITY_REF_NODE) {
      return nodes;
    }
    for (xmlNode* child = node_->children; child != nullptr; child = child->next) {
      nodes.push_back(std::make_unique<LibXml2Node>(child));
    }
    return nodes;
  }

 private:
  bool isElement() const { return node_->type == XML_ELEMENT_NODE; }
  xmlNode* node_;
};

}  // namespace

std::unique_ptr<XmlNode> LibXml2Document::rootElement() const {
  xmlNode* root = nullptr;
  for (xmlNode* node = document_->children; node != nullptr; node = node->next) {
    if (node->type == XML_ELEMENT_NODE) {
      root = node;
    }
  }
  return root == nullptr ? nullptr : std::make_unique<LibXml2Node>(root);
}

}  // namespace quirevo
