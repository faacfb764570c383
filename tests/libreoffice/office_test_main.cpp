#include <gtest/gtest.h>

#include "tests/libreoffice/office_environment.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new quirevo::testing::OfficeEnvironment);
  return RUN_ALL_TESTS();
}
