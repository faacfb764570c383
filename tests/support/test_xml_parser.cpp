#include "platform/libxml2/libxml2_parser.h"
#include "tests/support/fake_platform.h"

namespace quirevo::testing {

std::unique_ptr<XmlParser> makeTestXmlParser() {
  return std::make_unique<LibXml2Parser>();
}

}  // namespace quirevo::testing
