#include "ui/spin_edit.h"

#include <gtest/gtest.h>

#include "tests/ui/ui_fixture.h"

namespace quirevo::testing {
namespace {

class SpinEditTest : public ModelTest {
 protected:
  SpinEdit spin{form, {.name = "SpinEdit1", .bounds = {0, 0, 57, 22}, .tabOrder = 0}};
};

TEST_F(SpinEditTest, StartsAtOne) {
  EXPECT_EQ(spin.text(), "1");
  EXPECT_EQ(spin.value(), 1);
}

struct KeyCase {
  const char* name;
  char32_t key;
  bool accepted;
};

class SpinEditKeyFilter : public SpinEditTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SpinEditKeyFilter, PassesDigitsSignsAndTheSeparatorAndBeepsAtTheRest) {
  EXPECT_EQ(spin.userKeyPress(GetParam().key), GetParam().accepted);
  EXPECT_EQ(services.beeps, GetParam().accepted ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinEditKeyFilter,
    ::testing::Values(KeyCase{"Digit", U'7', true}, KeyCase{"Zero", U'0', true},
                      KeyCase{"Plus", U'+', true}, KeyCase{"Minus", U'-', true},
                      KeyCase{"Separator", U'.', true}, KeyCase{"OtherSeparator", U',', false},
                      KeyCase{"Letter", U'a', false}, KeyCase{"Space", U' ', false},
                      KeyCase{"CyrillicLetter", U'ж', false}, KeyCase{"Enter", U'\r', false},
                      KeyCase{"Backspace", U'\b', true}),
    [](const auto& info) { return info.param.name; });

TEST_F(SpinEditTest, DecimalSeparatorIsTheLocalesOwn) {
  services.separator = U',';
  EXPECT_TRUE(spin.userKeyPress(U','));
  EXPECT_FALSE(spin.userKeyPress(U'.'));
}

TEST_F(SpinEditTest, TypingIsLimitedToThreeCharactersWithoutABeep) {
  spin.userEdit("");
  spin.userType("1000");
  EXPECT_EQ(spin.text(), "100");
  EXPECT_EQ(services.beeps, 0);
}

TEST_F(SpinEditTest, RefusedKeysLeaveTheTextAndBeepEachTime) {
  spin.userEdit("");
  spin.userType("a2b\r");
  EXPECT_EQ(spin.text(), "2");
  EXPECT_EQ(services.beeps, 3);
}

TEST_F(SpinEditTest, AnEditOverTheLimitIsRefused) {
  spin.userEdit("12");
  spin.userEdit("1234");
  EXPECT_EQ(spin.text(), "12");
}

struct ValueCase {
  const char* name;
  const char* text;
  std::int32_t value;
  const char* afterExit;
};

class SpinEditValue : public SpinEditTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(SpinEditValue, ReadsWholeNumbersAndClampsOnlyWhenTheFieldIsLeft) {
  spin.userEdit(GetParam().text);
  EXPECT_EQ(spin.value(), GetParam().value);
  spin.userExit();
  EXPECT_EQ(spin.text(), GetParam().afterExit);
}

INSTANTIATE_TEST_SUITE_P(Texts, SpinEditValue,
                         ::testing::Values(ValueCase{"Number", "42", 42, "42"},
                                           ValueCase{"Zero", "0", 0, "1"},
                                           ValueCase{"Negative", "-5", -5, "1"},
                                           ValueCase{"Plus", "+7", 7, "+7"},
                                           ValueCase{"Maximum", "999", 999, "999"},
                                           ValueCase{"EmptyReadsOne", "", 1, ""},
                                           ValueCase{"LoneSignReadsOne", "-", 1, "-"},
                                           ValueCase{"TwoSignsReadOne", "+-5", 1, "+-5"},
                                           ValueCase{"DecimalReadsOne", "1.5", 1, "1.5"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SpinEditTest, UpAndDownStepByOneWithinBounds) {
  spin.userKeyDown(Key::Up);
  EXPECT_EQ(spin.value(), 2);
  spin.userKeyDown(Key::Down);
  spin.userKeyDown(Key::Down);
  EXPECT_EQ(spin.value(), 1);
  spin.userEdit("999");
  spin.userStep(+1);
  EXPECT_EQ(spin.text(), "999");
  spin.userEdit("");
  spin.userStep(+1);
  EXPECT_EQ(spin.text(), "2") << "an empty field counts as the minimum";
}

TEST_F(SpinEditTest, SetValueBringsTheValueWithinBounds) {
  spin.setValue(1000);
  EXPECT_EQ(spin.text(), "999");
  spin.setValue(-3);
  EXPECT_EQ(spin.text(), "1");
}

}  // namespace
}  // namespace quirevo::testing
