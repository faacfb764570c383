#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace quirevo {

class XmlNode;

// One caption a language file sets: the key element's name and the control it captions.
struct CaptionTarget {
  std::string_view key;
  CaptionedControl& control;
};

// The caption text of a key: the text or CDATA section of the root's first child element named
// as the key (in the root's namespace), empty when there is no such element or it is empty.
// Throws when that element holds anything else.
std::string captionText(const XmlNode& root, std::string_view key);

// Sets the captions key by key, in the given order; a failing key leaves the earlier captions
// switched and the later ones as they were.
void applyCaptions(const XmlNode& root, std::span<const CaptionTarget> targets);

}  // namespace quirevo
