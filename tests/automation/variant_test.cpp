#include "automation/variant.h"

#include <gtest/gtest.h>

#include "automation/variant_conversion_error.h"

namespace quirevo {
namespace {

struct IntegerCase {
  const char* name;
  Variant value;
  std::int32_t expected;
};

class VariantToInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(VariantToInteger, ConvertsResultsAHandlerReadsAsNumbers) {
  EXPECT_EQ(GetParam().value.toInt32(), GetParam().expected);
}

std::int32_t referenced = 41;
INSTANTIATE_TEST_SUITE_P(
    Results, VariantToInteger,
    ::testing::Values(IntegerCase{"Integer", Variant::integer(7), 7},
                      IntegerCase{"IntegerByReference", Variant::integerRef(referenced), 41},
                      IntegerCase{"TrueIsMinusOne", Variant::boolean(true), -1},
                      IntegerCase{"FalseIsZero", Variant::boolean(false), 0},
                      IntegerCase{"EmptyIsZero", Variant(), 0},
                      IntegerCase{"DecimalString", Variant::string("12"), 12},
                      IntegerCase{"SignedString", Variant::string("-3"), -3},
                      IntegerCase{"PaddedString", Variant::string(" 5 "), 5},
                      IntegerCase{"LargestInteger", Variant::string("2147483647"), 2147483647}),
    [](const auto& info) { return info.param.name; });

TEST(VariantToIntegerFailure, TextsThatAreNoIntegerAndObjectsRaiseTheConversionError) {
  for (const char* text : {"", "abc", "1.5", "+", "12x", "2147483648", "+-1"}) {
    EXPECT_THROW(Variant::string(text).toInt32(), VariantConversionError) << text;
  }
  EXPECT_THROW(Variant::object({}).toInt32(), VariantConversionError);
  try {
    Variant::string("many").toInt32();
  } catch (const VariantConversionError& error) {
    EXPECT_STREQ(error.what(), "Could not convert variant of type (String) into type (Integer)");
  }
}

TEST(VariantToText, WritesNumbersInPlainDecimalAndKeepsStrings) {
  EXPECT_EQ(Variant::integer(-12).toText(), "-12");
  EXPECT_EQ(Variant::string("007").toText(), "007");
  EXPECT_EQ(Variant::boolean(true).toText(), "True");
  EXPECT_EQ(Variant().toText(), "");
  EXPECT_THROW(Variant::object({}).toText(), VariantConversionError);
}

TEST(VariantByReference, ReadsAndWritesTheCallersVariable) {
  std::string text = "before";
  const Variant reference = Variant::stringRef(text);
  *reference.stringTarget() = "after";
  EXPECT_EQ(text, "after");
  EXPECT_EQ(reference.stringValue(), "after");
  EXPECT_EQ(reference.describe(), "string& \"after\"");
}

TEST(VariantDescribe, NamesTypeAndValueAsRequestLogsShowThem) {
  std::int32_t number = 3;
  EXPECT_EQ(Variant::integer(3).describe(), "int 3");
  EXPECT_EQ(Variant::integerRef(number).describe(), "int& 3");
  EXPECT_EQ(Variant::boolean(false).describe(), "bool false");
  EXPECT_EQ(Variant::object({}).describe(), "nothing");
  EXPECT_EQ(Variant().describe(), "empty");
}

}  // namespace
}  // namespace quirevo
