#include "platform/msxml/msxml_document.h"

#include "platform/com/com_error.h"
#include "platform/com/unique_bstr.h"
#include "platform/com/unique_variant.h"

namespace quirevo {

namespace {

void succeed(HRESULT status) {
  if (FAILED(status)) {
    throw comFailure(status);
  }
}

XmlNodeKind kindOf(IXMLDOMNode& node) {
  DOMNodeType type = NODE_INVALID;
  succeed(node.get_nodeType(&type));
  switch (type) {
    case NODE_ELEMENT:
      return XmlNodeKind::Element;
    case NODE_TEXT:
      return XmlNodeKind::Text;
    case NODE_CDATA_SECTION:
      return XmlNodeKind::CData;
    default:
      return XmlNodeKind::Other;
  }
}

// A string property of a node; S_FALSE with no string means it has none.
template <class Getter>
std::string text(Getter get) {
  UniqueBstr value;
  succeed(get(value.out()));
  return value.text();
}

}  // namespace

std::vector<Microsoft::WRL::ComPtr<IXMLDOMNode>> nodesOf(IXMLDOMNodeList& list) {
  long length = 0;
  succeed(list.get_length(&length));
  std::vector<Microsoft::WRL::ComPtr<IXMLDOMNode>> nodes;
  for (long i = 0; i < length; ++i) {
    Microsoft::WRL::ComPtr<IXMLDOMNode> node;
    succeed(list.get_item(i, &node));
    if (node) {
      nodes.push_back(std::move(node));
    }
  }
  return nodes;
}

MsxmlNode::MsxmlNode(Microsoft::WRL::ComPtr<IXMLDOMNode> node)
    : node_(std::move(node)), kind_(kindOf(*node_.Get())) {}

std::string MsxmlNode::name() const {
  if (kind_ != XmlNodeKind::Element) {
    return {};
  }
  return text([this](BSTR* out) { return node_->get_nodeName(out); });
}

std::string MsxmlNode::localName() const {
  if (kind_ != XmlNodeKind::Element) {
    return {};
  }
  return text([this](BSTR* out) { return node_->get_baseName(out); });
}

std::string MsxmlNode::namespaceUri() const {
  if (kind_ != XmlNodeKind::Element) {
    return {};
  }
  return text([this](BSTR* out) { return node_->get_namespaceURI(out); });
}

std::string MsxmlNode::value() const {
  if (kind_ != XmlNodeKind::Text && kind_ != XmlNodeKind::CData) {
    return {};
  }
  UniqueVariant value;
  succeed(node_->get_nodeValue(value.out()));
  return V_VT(&value.get()) == VT_BSTR ? bstrText(V_BSTR(&value.get())) : std::string();
}

std::vector<std::unique_ptr<XmlNode>> MsxmlNode::children() const {
  Microsoft::WRL::ComPtr<IXMLDOMNodeList> list;
  succeed(node_->get_childNodes(&list));
  std::vector<std::unique_ptr<XmlNode>> children;
  for (auto& child : nodesOf(*list.Get())) {
    children.push_back(std::make_unique<MsxmlNode>(std::move(child)));
  }
  return children;
}

std::unique_ptr<XmlNode> MsxmlDocument::rootElement() const {
  Microsoft::WRL::ComPtr<IXMLDOMNodeList> list;
  succeed(document_->get_childNodes(&list));
  std::unique_ptr<XmlNode> last;
  for (auto& node : nodesOf(*list.Get())) {
    if (kindOf(*node.Get()) == XmlNodeKind::Element) {
      last = std::make_unique<MsxmlNode>(std::move(node));
    }
  }
  return last;
}

}  // namespace quirevo
