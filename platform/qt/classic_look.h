#pragma once

namespace quirevo {

// The look the window was designed for: the classic 3-D style and its grey palette, and, where
// the window's face is missing, metric-compatible sans-serif faces in its place. Call once, after
// the QApplication exists and before any window is made.
void useClassicLook();

}  // namespace quirevo
