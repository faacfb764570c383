#include "automation/automation_error.h"

#include <gtest/gtest.h>

namespace quirevo {
namespace {

struct DescriptionCase {
  const char* name;
  const char* description;
  const char* message;
};

class ComponentExceptionMessage : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(ComponentExceptionMessage, IsTheDescriptionLessTrailingBlanksAndFullStops) {
  EXPECT_EQ(componentException(GetParam().description, status::kException).what(),
            std::string(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, ComponentExceptionMessage,
    ::testing::Values(
        DescriptionCase{"Unchanged", "Cannot open file", "Cannot open file"},
        DescriptionCase{"FullStop", "Cannot open file.", "Cannot open file"},
        DescriptionCase{"BlanksAndStops", "Cannot open file. . .  ", "Cannot open file"},
        DescriptionCase{"InnerStopsKept", "File a.b.xlsx not found.", "File a.b.xlsx not found"},
        DescriptionCase{"OtherPunctuationKept", "Really?!", "Really?!"},
        DescriptionCase{"EmptyUsesStatusText", "", "Exception occurred."},
        DescriptionCase{"OnlyStopsUsesStatusText", " . ", "Exception occurred."}),
    [](const auto& info) { return info.param.name; });

TEST(StatusFailureMessage, IsTheSystemTextOrTheOleErrorNumber) {
  EXPECT_STREQ(statusFailure(status::kTypeMismatch).what(), "Type mismatch.");
  EXPECT_STREQ(statusFailure(0x80030002, "Disk full.").what(), "Disk full.");
  EXPECT_STREQ(statusFailure(0x8abc0001).what(), "OLE error 8abc0001");
  EXPECT_STREQ(componentException("", 0x00000005).what(), "OLE error 00000005");
}

TEST(StandardMessages, NameTheFailure) {
  EXPECT_STREQ(invalidVariantOperation().what(), "Invalid variant operation");
  EXPECT_STREQ(memberNotSupported("PrintOut").what(),
               "Method 'PrintOut' not supported by automation object");
}

}  // namespace
}  // namespace quirevo
