#include "i18n/xml_parse_error.h"

#include <gtest/gtest.h>

#include <string>

namespace quirevo::testing {
namespace {

struct MessageRow {
  const char* name;
  std::string reason;
  int line;
  std::string lineText;
  std::string message;
};

class XmlParseErrorMessageTest : public ::testing::TestWithParam<MessageRow> {};

TEST_P(XmlParseErrorMessageTest, IsReasonLineAndStartOfLine) {
  const XmlParseError error(GetParam().reason, GetParam().line, GetParam().lineText);
  EXPECT_EQ(std::string(error.what()), GetParam().message);
  EXPECT_EQ(error.lineText(), GetParam().lineText) << "the full line stays available";
}

INSTANTIATE_TEST_SUITE_P(
    Messages, XmlParseErrorMessageTest,
    ::testing::Values(
        MessageRow{"ShortLine", "Tag mismatch", 3, "<a>x</b>",
                   "Tag mismatch\r\nLine: 3\r\n<a>x</b>"},
        MessageRow{"NoLine", "Cannot read", 0, "", "Cannot read\r\nLine: 0\r\n"},
        MessageRow{"ExactlyForty", "r", 1, std::string(40, 'x'),
                   "r\r\nLine: 1\r\n" + std::string(40, 'x')},
        MessageRow{"LongLineCut", "r", 12, std::string(40, 'x') + "yz",
                   "r\r\nLine: 12\r\n" + std::string(40, 'x')},
        // Forty characters, not forty bytes: each Cyrillic letter is two bytes in UTF-8.
        MessageRow{"CyrillicCountedByCharacter", "r", 2,
                   "Печать нечётных листов книги, все страницы",
                   "r\r\nLine: 2\r\nПечать нечётных листов книги, все страни"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::testing
