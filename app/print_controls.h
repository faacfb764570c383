#pragma once

#include <array>

#include "workbook/print_plan.h"

namespace quirevo {

class Panel;
class RadioButton;
class SpinEdit;

// The controls a press of "Print" reads.
struct PrintControls {
  const Panel& printer;
  const RadioButton& sheetMode;
  const RadioButton& pageMode;
  // All, one, range, even, odd.
  std::array<const RadioButton*, 5> sheetChoices;
  const SpinEdit& oneSheet;
  const SpinEdit& firstSheet;
  const SpinEdit& lastSheet;
  const SpinEdit& pagesPerSheet;
  const SpinEdit& sheetCopies;
  const SpinEdit& pageSheet;
  std::array<const RadioButton*, 5> pageChoices;
  const SpinEdit& onePage;
  const SpinEdit& firstPage;
  const SpinEdit& lastPage;
  const SpinEdit& pageCopies;
};

// Reads the window as it is at the press: the printer first, then the sheet mode's copies and
// pages per sheet, then the mode and the rest. A spin edit that holds no number reads as 1.
PrintSettings readPrintSettings(const PrintControls& window);

}  // namespace quirevo
