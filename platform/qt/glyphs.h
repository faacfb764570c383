#pragma once

#include <QIcon>
#include <QPixmap>

#include "ui/button.h"

namespace quirevo {

// A button glyph from its bitmap: the left 16 x 16 half while enabled, the right one while
// disabled, with the bitmap's bottom-left colour made transparent.
QPixmap glyphPixmap(Glyph glyph, bool enabled);
QIcon glyphIcon(Glyph glyph);

// The program's icon.
QIcon programIcon();

}  // namespace quirevo
