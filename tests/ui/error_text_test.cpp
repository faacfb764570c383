#include "ui/error_text.h"

#include <gtest/gtest.h>

namespace quirevo {
namespace {

struct TextCase {
  const char* name;
  const char* input;
  const char* expected;
};

class FullStopRule : public ::testing::TestWithParam<TextCase> {};

TEST_P(FullStopRule, AppendsAStopOnlyAfterACharacterThatSortsAfterTheStop) {
  EXPECT_EQ(messageWithFullStop(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullStopRule,
    ::testing::Values(TextCase{"Letter", "Invalid variant operation", "Invalid variant operation."},
                      TextCase{"Digit", "OLE error 80020009", "OLE error 80020009."},
                      TextCase{"FullStop", "Type mismatch.", "Type mismatch."},
                      TextCase{"Exclamation", "Stop!", "Stop!"},
                      TextCase{"ClosingParenthesis", "Failed (twice)", "Failed (twice)"},
                      TextCase{"Blank", "Trailing ", "Trailing "}, TextCase{"Slash", "C:/", "C:/."},
                      TextCase{"Cyrillic", "Ошибка", "Ошибка."}, TextCase{"Empty", "", ""}),
    [](const auto& info) { return info.param.name; });

class ApplicationTitle : public ::testing::TestWithParam<TextCase> {};

TEST_P(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithLaterLettersInLowerCase) {
  EXPECT_EQ(applicationTitle(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Executables, ApplicationTitle,
    ::testing::Values(TextCase{"Plain", "Quirevo.exe", "Quirevo"},
                      TextCase{"UpperCase", "QUIREVO.EXE", "Quirevo"},
                      TextCase{"CutAtFirstDot", "a.b.exe", "a"},
                      TextCase{"WindowsFolder", "C:\\Program Files\\Q.Tools\\QuiRevo.exe",
                               "Quirevo"},
                      TextCase{"UnixFolder", "/usr/local/bin/quirevo", "quirevo"},
                      TextCase{"CyrillicName", "/opt/ПРИНТ.exe", "Принт"},
                      TextCase{"UkrainianLetters", "C:\\КИЇВ.exe", "Київ"},
                      TextCase{"LettersOutsideTheAlphabetsRow", "ЁЄІЇҐ.exe", "Ёєіїґ"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quirevo
