#pragma once

#include <wrl/client.h>

#include "platform/msxml/msxml_interfaces.h"
#include "platform/xml_parser.h"

namespace quirevo {

// A node of an MSXML document; it holds a reference of its own, so it outlives nothing.
class MsxmlNode final : public XmlNode {
 public:
  explicit MsxmlNode(Microsoft::WRL::ComPtr<IXMLDOMNode> node);

  XmlNodeKind kind() const override { return kind_; }
  std::string name() const override;
  std::string localName() const override;
  std::string namespaceUri() const override;
  std::string value() const override;
  std::vector<std::unique_ptr<XmlNode>> children() const override;

 private:
  Microsoft::WRL::ComPtr<IXMLDOMNode> node_;
  XmlNodeKind kind_;
};

// A parsed MSXML document; releasing it closes it, nothing is written back.
class MsxmlDocument final : public XmlDocument {
 public:
  explicit MsxmlDocument(Microsoft::WRL::ComPtr<IXMLDOMDocument2> document)
      : document_(std::move(document)) {}
  std::unique_ptr<XmlNode> rootElement() const override;

 private:
  Microsoft::WRL::ComPtr<IXMLDOMDocument2> document_;
};

// The nodes of a list, in order.
std::vector<Microsoft::WRL::ComPtr<IXMLDOMNode>> nodesOf(IXMLDOMNodeList& list);

}  // namespace quirevo
