#pragma once

#include "automation/variant.h"

namespace quirevo {

// The program-wide automation object of the spreadsheet application: empty until FormCreate
// stores it, never replaced during the run.
Variant& spreadsheetSession();

// Holds the session for one program run (or one test of the window): the session starts empty
// and is cleared, releasing the automation object, when the holder ends.
class SpreadsheetSessionLifetime {
 public:
  SpreadsheetSessionLifetime();
  ~SpreadsheetSessionLifetime();
  SpreadsheetSessionLifetime(const SpreadsheetSessionLifetime&) = delete;
  SpreadsheetSessionLifetime& operator=(const SpreadsheetSessionLifetime&) = delete;
};

}  // namespace quirevo
