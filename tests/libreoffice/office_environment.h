#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/libreoffice/print_server.h"
#include "tests/libreoffice/test_workbooks.h"

namespace quirevo::testing {

// What every office test program sets up once: the private print server, then the test
// workbooks (made by an office that prints nothing).
class OfficeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;

  static PrintServer& printServer();
  static const TestWorkbooks& workbooks();
};

}  // namespace quirevo::testing
