#include <windows.h>

#include <gtest/gtest.h>

#include "platform/com/com_apartment.h"
#include "platform/com/com_dispatch.h"
#include "tests/win/recording_dispatch.h"
#include "automation/automation_error.h"
#include "automation/late_binding.h"

namespace quirevo::testing {
namespace {

using Strings = std::vector<std::string>;

constexpr DISPID kVisible = 1;
constexpr DISPID kOpen = 3;
constexpr DISPID kFilename = 4;
constexpr DISPID kPrintOut = 6;
constexpr DISPID kCount = 7;

class ComDispatchTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(server.foreignReferences(), 0u) << "a reference leaked"; }

  Variant object() { return Variant::object(wrapComObject(&server)); }
  DispatchPtr pointer() { return wrapComObject(&server); }
  const InvokeRecord& lastInvoke() const { return server.invokes.back(); }

  static HRESULT succeed(DISPPARAMS&, VARIANT*, EXCEPINFO*) { return S_OK; }

  ComApartment apartment;
  RecordingDispatch server{{{L"Visible", kVisible},
                            {L"Workbooks", 2},
                            {L"Open", kOpen},
                            {L"Filename", kFilename},
                            {L"Item", 5},
                            {L"PrintOut", kPrintOut},
                            {L"Count", kCount}}};
};

struct KindCase {
  const char* name;
  InvokeKind kind;
  WORD flags;
  bool resultRequested;
  std::vector<DISPID> namedIds;
};

class InvokeKindTest : public ComDispatchTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(InvokeKindTest, ArrivesWithItsFlagsAndTheThreadLocale) {
  server.respond(kCount, succeed);
  const Variant argument = Variant::integer(2);
  pointer()->invoke(kCount, GetParam().kind, std::span(&argument, 1), {});

  EXPECT_EQ(lastInvoke().flags, GetParam().flags);
  EXPECT_EQ(lastInvoke().resultRequested, GetParam().resultRequested);
  EXPECT_EQ(lastInvoke().namedIds, GetParam().namedIds);
  EXPECT_EQ(lastInvoke().values, Strings{"I4 2"});
  EXPECT_EQ(lastInvoke().locale, GetThreadLocale());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InvokeKindTest,
    ::testing::Values(
        KindCase{"GetAsksForMethodOrProperty",
                 InvokeKind::Get,
                 DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                 true,
                 {}},
        KindCase{
            "IndexedGetIsAPropertyGet", InvokeKind::IndexedGet, DISPATCH_PROPERTYGET, true, {}},
        KindCase{"PutNamesItsValuePropertyPut",
                 InvokeKind::Put,
                 DISPATCH_PROPERTYPUT,
                 false,
                 {DISPID_PROPERTYPUT}},
        KindCase{"MethodDropsItsResult", InvokeKind::Method, DISPATCH_METHOD, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComDispatchTest, NamesAreResolvedAsSpelledInTheThreadLocale) {
  server.respond(kCount, [](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    V_VT(result) = VT_I4;
    V_I4(result) = 3;
    return S_OK;
  });
  EXPECT_EQ(late(object()).get("count").toInt32(), 3);
  ASSERT_EQ(server.nameRequests.size(), 1u);
  EXPECT_EQ(server.nameRequests[0], std::vector<std::wstring>{L"count"});
  EXPECT_EQ(server.nameLocales[0], GetThreadLocale());
}

TEST_F(ComDispatchTest, PutSendsBooleansAsVariantBool) {
  server.respond(kVisible, succeed);
  late(object()).put("Visible", Variant::boolean(false));
  late(object()).put("Visible", Variant::boolean(true));

  ASSERT_EQ(server.invokes.size(), 2u);
  EXPECT_EQ(server.invokes[0].values, Strings{"BOOL 0"});
  EXPECT_EQ(server.invokes[1].values, Strings{"BOOL -1"});
  EXPECT_EQ(server.invokes[1].types, std::vector<VARTYPE>{VT_BOOL});
}

TEST_F(ComDispatchTest, PositionalArgumentsArriveLastFirst) {
  server.respond(kPrintOut, succeed);
  std::int32_t to = 3;
  std::int32_t copies = 2;
  std::string printer = "Office Laser";
  late(object()).call(
      "PrintOut", {Variant::integer(1), Variant::integerRef(to), Variant::integerRef(copies),
                   Variant::boolean(false), Variant::stringRef(printer), Variant::boolean(false),
                   Variant::boolean(true)});

  EXPECT_EQ(lastInvoke().values, (Strings{"BOOL -1", "BOOL 0", "BSTR& Office Laser", "BOOL 0",
                                          "I4& 2", "I4& 3", "I4 1"}));
  EXPECT_EQ(lastInvoke().types[2], VT_BYREF | VT_BSTR);
  EXPECT_EQ(lastInvoke().types[4], VT_BYREF | VT_I4);
  EXPECT_TRUE(lastInvoke().namedIds.empty());
  EXPECT_EQ(printer, "Office Laser");
}

TEST_F(ComDispatchTest, NamedArgumentsLeadAndArePassedByTheirIds) {
  server.respond(kOpen, succeed);
  const NamedValue file{"Filename", Variant::string("C:\\Книги\\Итоги.xlsx")};
  late(object()).call("Open", {}, std::span(&file, 1));

  EXPECT_EQ(server.nameRequests.back(), (std::vector<std::wstring>{L"Open", L"Filename"}));
  EXPECT_EQ(lastInvoke().namedIds, std::vector<DISPID>{kFilename});
  EXPECT_EQ(lastInvoke().values, Strings{"BSTR C:\\Книги\\Итоги.xlsx"});

  const Variant positional[] = {Variant::integer(1), Variant::integer(2)};
  const NamedArgument named{kFilename, Variant::string("x")};
  pointer()->invoke(kOpen, InvokeKind::Method, positional, std::span(&named, 1));
  EXPECT_EQ(lastInvoke().values, (Strings{"BSTR x", "I4 2", "I4 1"}));
  EXPECT_EQ(lastInvoke().namedIds, std::vector<DISPID>{kFilename});
}

TEST_F(ComDispatchTest, ByReferenceValuesAreCopiedBackAfterTheCall) {
  server.respond(kOpen, [](DISPPARAMS& params, VARIANT*, EXCEPINFO*) {
    // As a server may: free the caller's string and leave a new one in its place.
    BSTR& text = *V_BSTRREF(&params.rgvarg[0]);
    SysFreeString(text);
    text = SysAllocString(L"Принтер 2");
    *V_I4REF(&params.rgvarg[1]) = 7;
    return S_OK;
  });
  std::int32_t number = 5;
  std::string text = "HP";
  late(object()).call("Open", {Variant::integerRef(number), Variant::stringRef(text)});

  EXPECT_EQ(lastInvoke().values, (Strings{"BSTR& HP", "I4& 5"}));
  EXPECT_EQ(number, 7);
  EXPECT_EQ(text, "Принтер 2");
}

TEST_F(ComDispatchTest, AnObjectArgumentIsPassedAsItsIDispatch) {
  RecordingDispatch other{{}};
  server.respond(kOpen, [&other](DISPPARAMS& params, VARIANT*, EXCEPINFO*) {
    return V_DISPATCH(&params.rgvarg[0]) == &other ? S_OK : E_INVALIDARG;
  });
  late(object()).call("Open", {Variant::object(wrapComObject(&other))});
  EXPECT_EQ(lastInvoke().types, std::vector<VARTYPE>{VT_DISPATCH});
  EXPECT_EQ(other.foreignReferences(), 0u);
}

struct ResultCase {
  const char* name;
  std::function<void(VARIANT&)> fill;
  std::string expected;  // Variant::describe()
};

class ResultTest : public ComDispatchTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultTest, ComesBackAsTheProgramsValue) {
  server.respond(kCount, [](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    GetParam().fill(*result);
    return S_OK;
  });
  EXPECT_EQ(late(object()).get("Count").value().describe(), GetParam().expected);
}

LONG referencedNine = 9;

INSTANTIATE_TEST_SUITE_P(
    Types, ResultTest,
    ::testing::Values(ResultCase{"Integer",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_I4;
                                   V_I4(&v) = 3;
                                 },
                                 "int 3"},
                      ResultCase{"ShortInteger",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_I2;
                                   V_I2(&v) = -5;
                                 },
                                 "int -5"},
                      ResultCase{"Boolean",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_BOOL;
                                   V_BOOL(&v) = VARIANT_TRUE;
                                 },
                                 "bool true"},
                      ResultCase{"CyrillicString",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_BSTR;
                                   V_BSTR(&v) = SysAllocString(L"Лист1");
                                 },
                                 "string \"Лист1\""},
                      ResultCase{"NullStringIsEmpty",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_BSTR;
                                   V_BSTR(&v) = nullptr;
                                 },
                                 "string \"\""},
                      ResultCase{"Empty", [](VARIANT& v) { V_VT(&v) = VT_EMPTY; }, "empty"},
                      ResultCase{"NullObjectIsNothing",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_DISPATCH;
                                   V_DISPATCH(&v) = nullptr;
                                 },
                                 "nothing"},
                      ResultCase{"WideIntegerKeepsItsDigits",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_UI4;
                                   V_UI4(&v) = 3000000000u;
                                 },
                                 "string \"3000000000\""},
                      ResultCase{"WholeDouble",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_R8;
                                   V_R8(&v) = 4.0;
                                 },
                                 "string \"4\""},
                      ResultCase{"IntegerByReference",
                                 [](VARIANT& v) {
                                   V_VT(&v) = VT_BYREF | VT_I4;
                                   V_I4REF(&v) = &referencedNine;
                                 },
                                 "int 9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComDispatchTest, AnObjectResultIsUsableAndReleasedWithItsHolder) {
  server.respond(kCount, [this](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    server.AddRef();
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = &server;
    return S_OK;
  });
  server.respond(kVisible, succeed);
  {
    const LateBound child = late(object()).get("Count");
    EXPECT_EQ(server.foreignReferences(), 1u);
    child.put("Visible", Variant::boolean(true));
  }
  EXPECT_EQ(server.invokes.size(), 2u);
}

// Fills the description only when asked, as servers with costly texts do.
HRESULT STDMETHODCALLTYPE fillDescriptionLate(EXCEPINFO* exception) {
  exception->bstrDescription = SysAllocString(L"Cannot access 'Итоги.xlsx'.");
  return S_OK;
}

struct ErrorCase {
  const char* name;
  std::function<HRESULT(EXCEPINFO&)> fail;
  std::string message;
};

class ErrorTest : public ComDispatchTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorTest, GivesTheMessageTheUserSees) {
  server.respond(kOpen, [](DISPPARAMS&, VARIANT*, EXCEPINFO* exception) {
    return GetParam().fail(*exception);
  });
  try {
    late(object()).call("Open");
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ErrorTest,
    ::testing::Values(ErrorCase{"ExceptionLessTrailingBlanksAndFullStops",
                                [](EXCEPINFO& e) {
                                  e.scode = static_cast<SCODE>(0x800A03EC);
                                  e.bstrDescription =
                                      SysAllocString(L"Open method of Workbooks class failed. . ");
                                  return DISP_E_EXCEPTION;
                                },
                                "Open method of Workbooks class failed"},
                      ErrorCase{"ExceptionFilledInLate",
                                [](EXCEPINFO& e) {
                                  e.scode = E_FAIL;
                                  e.pfnDeferredFillIn = fillDescriptionLate;
                                  return DISP_E_EXCEPTION;
                                },
                                "Cannot access 'Итоги.xlsx'"},
                      ErrorCase{"ExceptionWithoutDescriptionGivesItsStatus",
                                [](EXCEPINFO& e) {
                                  e.scode = static_cast<SCODE>(0x800A03EC);
                                  return DISP_E_EXCEPTION;
                                },
                                "OLE error 800a03ec"},
                      ErrorCase{"MemberNotFound", [](EXCEPINFO&) { return DISP_E_MEMBERNOTFOUND; },
                                "Member not found."},
                      ErrorCase{"TypeMismatch", [](EXCEPINFO&) { return DISP_E_TYPEMISMATCH; },
                                "Type mismatch."},
                      ErrorCase{"StatusWithoutSystemText",
                                [](EXCEPINFO&) { return static_cast<HRESULT>(0x80041234); },
                                "OLE error 80041234"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComDispatchTest, UnknownNamesAreNotSupportedMethods) {
  EXPECT_THROW(
      {
        try {
          late(object()).get("Frobnicate");
        } catch (const AutomationError& error) {
          EXPECT_STREQ(error.what(), "Method 'Frobnicate' not supported by automation object");
          throw;
        }
      },
      AutomationError);
  const NamedValue unknown{"FileName2", Variant::string("a.xls")};
  try {
    late(object()).call("Open", {}, std::span(&unknown, 1));
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_STREQ(error.what(), "Method 'Open' not supported by automation object");
  }
  EXPECT_TRUE(server.invokes.empty());
}

// A server in the caller's apartment answers "retry later" itself; no message filter sees it.
TEST_F(ComDispatchTest, ABusyServerIsAskedAgainUntilItTakesTheCall) {
  int rejections = 2;
  server.respond(kVisible, [&](DISPPARAMS&, VARIANT*, EXCEPINFO*) {
    return rejections-- > 0 ? RPC_E_SERVERCALL_RETRYLATER : S_OK;
  });
  late(object()).put("Visible", Variant::boolean(true));
  EXPECT_EQ(server.invokes.size(), 3u);
  EXPECT_EQ(server.invokes.back().values, Strings{"BOOL -1"});
}

TEST_F(ComDispatchTest, AnOutrightRejectionIsNotRetried) {
  server.respond(kVisible, [](DISPPARAMS&, VARIANT*, EXCEPINFO*) { return RPC_E_CALL_REJECTED; });
  EXPECT_THROW(late(object()).put("Visible", Variant::boolean(true)), AutomationError);
  EXPECT_EQ(server.invokes.size(), 1u);
}

}  // namespace
}  // namespace quirevo::testing
