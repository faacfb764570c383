#pragma once

#include <QFont>

#include "platform/font.h"

namespace quirevo {

// The window's face at the model's pixel height and weight; useClassicLook() names the faces
// that stand in where it is not installed.
QFont toQFont(const Font& font);

}  // namespace quirevo
