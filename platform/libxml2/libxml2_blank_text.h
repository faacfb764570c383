#pragma once

#include <libxml/tree.h>

namespace quirevo {

// Drops every text node that holds only white space, except where xml:space="preserve" is in
// force; CDATA sections stay. libxml2's own blank removal keeps the white space of an element
// that holds nothing else, which would make "<l1> </l1>" a caption of one space.
void removeBlankText(xmlDoc& document);

}  // namespace quirevo
