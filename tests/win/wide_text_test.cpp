#include "platform/windows/wide_text.h"

#include <gtest/gtest.h>

#include "platform/com/unique_bstr.h"

namespace quirevo::testing {
namespace {

struct TextCase {
  const char* name;
  std::string utf8;
  std::wstring utf16;
};

class WideTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WideTextTest, ConvertsBothWays) {
  EXPECT_EQ(toWide(GetParam().utf8), GetParam().utf16);
  EXPECT_EQ(toUtf8(GetParam().utf16), GetParam().utf8);
  EXPECT_EQ(UniqueBstr(GetParam().utf8).text(), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideTextTest,
    ::testing::Values(TextCase{"Empty", "", L""}, TextCase{"Ascii", "Print", L"Print"},
                      TextCase{"Cyrillic", "Друк аркушів", L"Друк аркушів"},
                      TextCase{"BeyondTheBasicPlane", "\xF0\x9F\x96\xA8", L"\U0001F5A8"},
                      TextCase{"EmbeddedNul", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WideTextTest, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(toWide("a\xFF"
                   "b"),
            L"a\uFFFDb");
}

}  // namespace
}  // namespace quirevo::testing
