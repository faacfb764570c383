#include "tests/libreoffice/office_environment.h"

namespace quirevo::testing {

namespace {
// Test-program state: one of each, alive between SetUp and TearDown of the environment.
std::unique_ptr<PrintServer> server;
std::unique_ptr<TestWorkbooks> books;
}  // namespace

void OfficeEnvironment::SetUp() {
  server = std::make_unique<PrintServer>();
  books = std::make_unique<TestWorkbooks>();
}

void OfficeEnvironment::TearDown() {
  books.reset();
  server.reset();
}

PrintServer& OfficeEnvironment::printServer() {
  return *server;
}
const TestWorkbooks& OfficeEnvironment::workbooks() {
  return *books;
}

}  // namespace quirevo::testing
