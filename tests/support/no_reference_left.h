#pragma once

#include <gtest/gtest.h>

#include "tests/support/spreadsheet_stand_in.h"

namespace quirevo::testing {

// Checks, when it ends, that no reference to the stand-in is left; a fixture declares it before
// the session and the window so that it ends after both.
struct NoReferenceLeft {
  const SpreadsheetStandIn& standIn;
  ~NoReferenceLeft() {
    EXPECT_EQ(standIn.liveReferences(), 0) << "references to the spreadsheet application leaked";
  }
};

}  // namespace quirevo::testing
