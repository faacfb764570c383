#include "platform/com/com_variant.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/com/com_dispatch.h"
#include "platform/com/com_error.h"
#include "platform/com/dispatch_arguments.h"
#include "platform/com/invoke_flags.h"
#include "platform/com/received_arguments.h"
#include "platform/com/unique_variant.h"
#include "tests/win/recording_dispatch.h"

namespace quirevo::testing {
namespace {

using Strings = std::vector<std::string>;

Strings described(std::span<const Variant> values) {
  Strings texts;
  for (const Variant& value : values) {
    texts.push_back(value.describe());
  }
  return texts;
}

Strings described(std::span<const NamedArgument> arguments) {
  Strings texts;
  for (const NamedArgument& argument : arguments) {
    texts.push_back(std::to_string(argument.id) + "=" + argument.value.describe());
  }
  return texts;
}

// An object of the program's own, which no COM server can be handed.
class LocalObject final : public Dispatch {
 public:
  void addRef() noexcept override { ++references_; }
  void release() noexcept override {
    if (--references_ == 0) {
      delete this;
    }
  }
  std::vector<DispId> idsOfNames(std::string_view, std::span<const std::string_view>) override {
    throw std::logic_error("not called");
  }
  Variant invoke(DispId, InvokeKind, std::span<const Variant>,
                 std::span<const NamedArgument>) override {
    throw std::logic_error("not called");
  }

 private:
  ~LocalObject() = default;
  long references_ = 1;
};

HRESULT statusOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComStatusError& failure) {
    return failure.status();
  }
  return S_OK;
}

TEST(InvokeFlagsTest, EachKindIsReceivedAsTheKindSent) {
  for (InvokeKind kind :
       {InvokeKind::Get, InvokeKind::IndexedGet, InvokeKind::Put, InvokeKind::Method}) {
    EXPECT_EQ(invokeKind(invokeFlags(kind)), kind) << toString(kind);
  }
  EXPECT_EQ(statusOf([] { invokeKind(DISPATCH_PROPERTYPUTREF); }), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(statusOf([] { invokeKind(DISPATCH_METHOD | DISPATCH_PROPERTYPUT); }),
            DISP_E_MEMBERNOTFOUND);
}

// What a client sends arrives at a server as it was sent: the two halves of the DISPPARAMS
// layout agree.
struct CallCase {
  const char* name;
  InvokeKind kind;
  std::vector<Variant> positional;
  std::vector<NamedArgument> named;
};

class ArgumentsRoundTripTest : public ::testing::TestWithParam<CallCase> {};

TEST_P(ArgumentsRoundTripTest, ArriveAsSent) {
  DispatchArguments sent(GetParam().kind, GetParam().positional, GetParam().named);
  const ReceivedArguments received(*sent.params(), GetParam().kind);
  EXPECT_EQ(described(received.positional()), described(GetParam().positional));
  EXPECT_EQ(described(received.named()), described(GetParam().named));
}

std::int32_t sheetNumber = 3;
std::string printerName = "Принтер";

INSTANTIATE_TEST_SUITE_P(
    Calls, ArgumentsRoundTripTest,
    ::testing::Values(
        CallCase{"NoArguments", InvokeKind::Get, {}, {}},
        CallCase{"PositionalInTheirOrder",
                 InvokeKind::Method,
                 {Variant::integer(1), Variant::boolean(false), Variant::string("Лист 1"),
                  Variant(), Variant::object(DispatchPtr())},
                 {}},
        CallCase{"NamedBesidePositional",
                 InvokeKind::Method,
                 {Variant::integer(2)},
                 {{4, Variant::string("C:\\Книги\\a.xlsx")}, {9, Variant::boolean(true)}}},
        CallCase{"AnIndexedPutKeepsItsValueLast",
                 InvokeKind::Put,
                 {Variant::integer(2), Variant::string("new")},
                 {}},
        CallCase{"ByReference",
                 InvokeKind::IndexedGet,
                 {Variant::integerRef(sheetNumber), Variant::stringRef(printerName)},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReferenceSlotsTest, WhatTheServerLeavesReachesTheClientsVariables) {
  std::int32_t copies = 1;
  std::string printer = "HP";
  const Variant positional[] = {Variant::integerRef(copies), Variant::stringRef(printer)};
  DispatchArguments sent(InvokeKind::Method, positional, {});
  {
    const ReceivedArguments received(*sent.params(), InvokeKind::Method);
    *received.positional()[0].integerTarget() = 7;
    *received.positional()[1].stringTarget() = "Принтер 2";
    received.copyBack();
  }
  EXPECT_EQ(copies, 1) << "the client's variables change only when its call is over";
  sent.copyBack();
  EXPECT_EQ(copies, 7);
  EXPECT_EQ(printer, "Принтер 2");
}

struct RefusedCase {
  const char* name;
  std::function<void(VARIANT&)> fill;
};

class RefusedTypeTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTypeTest, IsATypeMismatchForTheServer) {
  UniqueVariant argument;
  GetParam().fill(argument.get());
  DISPPARAMS params{&argument.get(), nullptr, 1, 0};
  EXPECT_EQ(statusOf([&] { ReceivedArguments(params, InvokeKind::Method); }), DISP_E_TYPEMISMATCH);
}

double referencedDouble = 1.5;

INSTANTIATE_TEST_SUITE_P(Types, RefusedTypeTest,
                         ::testing::Values(RefusedCase{"DoubleByReference",
                                                       [](VARIANT& v) {
                                                         V_VT(&v) = VT_BYREF | VT_R8;
                                                         V_R8REF(&v) = &referencedDouble;
                                                       }},
                                           RefusedCase{"Array",
                                                       [](VARIANT& v) {
                                                         V_VT(&v) = VT_ARRAY | VT_I4;
                                                         V_ARRAY(&v) = nullptr;
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComVariantTest, ValuesComeBackAsTheyWent) {
  RecordingDispatch server{{}};
  const Variant values[] = {Variant(),
                            Variant::integer(-7),
                            Variant::boolean(true),
                            Variant::string("Итоги"),
                            Variant::object(DispatchPtr()),
                            Variant::object(wrapComObject(&server))};
  for (const Variant& value : values) {
    UniqueVariant com;
    toComVariant(value, com.get(), exportComObject);
    EXPECT_EQ(fromComVariant(com.get()).describe(), value.describe());
  }
}

TEST(ComVariantTest, AByReferenceValueHasNoVariantOfItsOwn) {
  std::int32_t number = 1;
  UniqueVariant com;
  EXPECT_EQ(
      statusOf([&] { toComVariant(Variant::integerRef(number), com.get(), exportComObject); }),
      DISP_E_TYPEMISMATCH);
  EXPECT_EQ(V_VT(&com.get()), VT_EMPTY);
}

TEST(DispatchArgumentsTest, AnObjectOfTheProgramsOwnIsRefusedAndNothingBuiltLeaks) {
  RecordingDispatch server{{}};
  {
    // Built last first: the COM object goes into rgvarg before the program's own is refused.
    const Variant positional[] = {Variant::object(DispatchPtr::adopt(new LocalObject())),
                                  Variant::object(wrapComObject(&server))};
    EXPECT_EQ(statusOf([&] { DispatchArguments(InvokeKind::Method, positional, {}); }),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(server.foreignReferences(), 1u) << "only the program's own reference is left";
  }
  EXPECT_EQ(server.foreignReferences(), 0u);
}

}  // namespace
}  // namespace quirevo::testing
