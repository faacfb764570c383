#pragma once

#include <memory>
#include <string>
#include <vector>

namespace quirevo {

enum class XmlNodeKind { Element, Text, CData, Other };

// One node of an open document. It is valid only while its document is open.
class XmlNode {
 public:
  virtual ~XmlNode() = default;

  virtual XmlNodeKind kind() const = 0;
  // Elements only, empty for other kinds: the name as written ("q:l1"), the name without its
  // prefix ("l1") and the namespace URI (empty when the element lies in no namespace).
  virtual std::string name() const = 0;
  virtual std::string localName() const = 0;
  virtual std::string namespaceUri() const = 0;
  // Text nodes and CDATA sections: their text in UTF-8; empty for other kinds.
  virtual std::string value() const = 0;
  // In document order.
  virtual std::vector<std::unique_ptr<XmlNode>> children() const = 0;
};

// A parsed document; destroying it closes it without writing anything back.
class XmlDocument {
 public:
  virtual ~XmlDocument() = default;
  // The last element among the top-level nodes, or nothing when there is none.
  virtual std::unique_ptr<XmlNode> rootElement() const = 0;
};

// The platform's XML parser: libxml2 on Linux, MSXML on Windows.
class XmlParser {
 public:
  virtual ~XmlParser() = default;
  // Parses the named file synchronously: the declared encoding (or the byte-order mark) is
  // honoured, nothing is validated, no external entity or document type is read, white-space-only
  // text is dropped. Throws XmlParseError when the file cannot be read or is not well-formed.
  virtual std::unique_ptr<XmlDocument> parseFile(const std::string& fileName) = 0;
};

}  // namespace quirevo
