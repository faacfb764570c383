#include "platform/libxml2/libxml2_blank_text.h"

namespace quirevo {

namespace {

bool isBlank(const xmlChar* text) {
  for (const xmlChar* character = text; character != nullptr && *character != 0; ++character) {
    if (*character != ' ' && *character != '\t' && *character != '\n' && *character != '\r') {
      return false;
    }
  }
  return true;
}

bool removable(xmlNode* node) {
  return node->type == XML_TEXT_NODE && isBlank(node->content) &&
         xmlNodeGetSpacePreserve(node->parent) != 1;
}

// The next node in document order below the root, without recursion: the parser's depth limit
// bounds it anyway, but a loop needs no stack at all.
xmlNode* following(xmlNode* node, xmlNode* root, bool descend) {
  if (descend && node->type == XML_ELEMENT_NODE && node->children != nullptr) {
    return node->children;
  }
  while (node != root && node->next == nullptr) {
    node = node->parent;
  }
  return node == root ? nullptr : node->next;
}

}  // namespace

void removeBlankText(xmlDoc& document) {
  xmlNode* root = reinterpret_cast<xmlNode*>(&document);
  xmlNode* node = document.children;
  while (node != nullptr) {
    if (removable(node)) {
      xmlNode* next = following(node, root, false);
      xmlUnlinkNode(node);
      xmlFreeNode(node);
      node = next;
    } else {
      node = following(node, root, true);
    }
  }
}

}  // namespace quirevo
