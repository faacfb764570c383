#include "i18n/caption_switch.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/xml_parser.h"

namespace quirevo {

namespace {

// A prefix is only a spelling of the namespace: "q:l1" and "l1" under xmlns="..." are one key.
bool isKeyElement(const XmlNode& node, std::string_view key, const std::string& rootNamespace) {
  return node.kind() == XmlNodeKind::Element && node.localName() == key &&
         node.namespaceUri() == rootNamespace;
}

}  // namespace

std::string captionText(const XmlNode& root, std::string_view key) {
  const std::string rootNamespace = root.namespaceUri();
  for (const std::unique_ptr<XmlNode>& child : root.children()) {
    if (!isKeyElement(*child, key, rootNamespace)) {
      continue;
    }
    const std::vector<std::unique_ptr<XmlNode>> content = child->children();
    if (content.empty()) {
      return {};
    }
    if (content.size() == 1 && (content.front()->kind() == XmlNodeKind::Text ||
                                content.front()->kind() == XmlNodeKind::CData)) {
      return content.front()->value();
    }
    throw std::runtime_error("Element does not contain a single text node");
  }
  return {};
}

void applyCaptions(const XmlNode& root, std::span<const CaptionTarget> targets) {
  for (const CaptionTarget& target : targets) {
    target.control.setCaption(captionText(root, target.key));
  }
}

}  // namespace quirevo
