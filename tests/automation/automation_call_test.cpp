#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "automation/dispatch_server.h"
#include "automation/late_binding.h"
#include "automation/spreadsheet_schema.h"

namespace quirevo {
namespace {

using Type = Variant::Type;

// A small server: a put, a method with a required, an optional and a by-reference parameter,
// and a getter returning a child object.
class Probe : public DispatchServer<Probe> {
 public:
  explicit Probe(int& alive) : alive_(alive) { ++alive_; }
  ~Probe() override { --alive_; }

  static const ServerMembers<Probe>& members() {
    static const ServerMembers<Probe> table{
        {{"Value", {InvokeKind::Put}, {{"Value", {Type::Integer}}}}, &Probe::putValue},
        {{"Rename",
          {InvokeKind::Method},
          {{"Target", {Type::StringRef}}, {"Suffix", {Type::String}, true}}},
         &Probe::rename},
        {{"Child", {InvokeKind::Get}}, &Probe::child},
        {{"Total", {InvokeKind::Get}}, &Probe::total},
        {{"Zoom", {InvokeKind::Get}}, &Probe::total},
    };
    return table;
  }

  std::int32_t value = 0;

 private:
  Variant putValue(const BoundArguments& a) {
    value = a[0].integerValue();
    return {};
  }
  Variant rename(const BoundArguments& a) {
    *a[0].stringTarget() = "renamed" + (a.has(1) ? a[1].stringValue() : std::string());
    return {};
  }
  Variant child(const BoundArguments&) { return Variant::object(makeDispatch<Probe>(alive_)); }
  Variant total(const BoundArguments&) { return Variant::integer(value); }
  int& alive_;
};

class AutomationCall : public ::testing::Test {
 protected:
  int alive = 0;
  DispatchPtr probe = makeDispatch<Probe>(alive);
  Variant object = Variant::object(probe);
  Probe& server() { return static_cast<Probe&>(*probe); }
};

TEST_F(AutomationCall, MemberNamesMatchWithoutRegardToCase) {
  late(object).put("value", Variant::integer(4));
  EXPECT_EQ(late(object).get("TOTAL").toInt32(), 4);
  EXPECT_EQ(late(object).get("ZOOM").toInt32(), 4) << "every letter folds, Z too";
}

TEST_F(AutomationCall, ByReferenceStringIsWrittenBackToTheCaller) {
  std::string target = "old";
  late(object).call("Rename", {Variant::stringRef(target)});
  EXPECT_EQ(target, "renamed");
}

TEST_F(AutomationCall, NamedArgumentsBindToTheirParameterByName) {
  std::string target;
  const NamedValue suffix{"suffix", Variant::string("-2")};
  late(object).call("Rename", std::vector<Variant>{Variant::stringRef(target)}, {&suffix, 1});
  EXPECT_EQ(target, "renamed-2");
}

TEST_F(AutomationCall, IntermediateObjectsAreReleasedAfterTheExpression) {
  EXPECT_EQ(late(object).get("Child").get("Child").get("Total").toInt32(), 0);
  EXPECT_EQ(alive, 1);
  object.clear();
  probe.reset();
  EXPECT_EQ(alive, 0);
}

struct FailingCall {
  const char* name;
  std::function<void(const Variant&)> call;
  const char* message;
};

class AutomationCallFailure : public AutomationCall,
                              public ::testing::WithParamInterface<FailingCall> {};

TEST_P(AutomationCallFailure, RaisesTheStandardMessage) {
  try {
    GetParam().call(object);
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, AutomationCallFailure,
    ::testing::Values(
        FailingCall{"UnknownMember", [](const Variant& o) { late(o).get("Colour"); },
                    "Method 'Colour' not supported by automation object"},
        FailingCall{"UnknownNamedArgument",
                    [](const Variant& o) {
                      const NamedValue unknown{"Prefix", Variant::string("x")};
                      late(o).call("Rename", {}, {&unknown, 1});
                    },
                    "Method 'Rename' not supported by automation object"},
        FailingCall{"WrongKind", [](const Variant& o) { late(o).get("Value"); },
                    "Member not found."},
        FailingCall{"WrongType",
                    [](const Variant& o) { late(o).put("Value", Variant::string("1")); },
                    "Type mismatch."},
        FailingCall{"ByValueWhereByReferenceIsRequired",
                    [](const Variant& o) { late(o).call("Rename", {Variant::string("x")}); },
                    "Type mismatch."},
        FailingCall{
            "ArgumentGivenByPositionAndByName",
            [](const Variant& o) {
              std::string target;
              const NamedValue again{"Target", Variant::stringRef(target)};
              late(o).call("Rename", std::vector<Variant>{Variant::stringRef(target)}, {&again, 1});
            },
            "Parameter not found."},
        FailingCall{"PrintOutsToByValue",
                    [](const Variant&) {
                      // The spreadsheet application's PrintOut takes To only by reference.
                      const MemberTable& sheet = spreadsheet::SheetServer::members().table();
                      const Variant arguments[] = {Variant::integer(1),    Variant::integer(2),
                                                   Variant::integer(1),    Variant::boolean(false),
                                                   Variant::string("P"),   Variant::boolean(false),
                                                   Variant::boolean(false)};
                      sheet.bind(sheet.idsOfNames("PrintOut", {}).at(0), InvokeKind::Method,
                                 arguments, {});
                    },
                    "Type mismatch."},
        FailingCall{"MissingArgument", [](const Variant& o) { late(o).call("Rename"); },
                    "Invalid number of parameters."},
        FailingCall{"TooManyArguments",
                    [](const Variant& o) { late(o).call("Total", {Variant::integer(1)}); },
                    "Member not found."},
        FailingCall{"EmptyVariant", [](const Variant&) { late(Variant()).get("Total"); },
                    "Invalid variant operation"},
        FailingCall{"Nothing", [](const Variant&) { late(Variant::object({})).get("Total"); },
                    "Invalid variant operation"},
        FailingCall{"ResultThatIsNoObject",
                    [](const Variant& o) { late(o).get("Total").get("Child"); },
                    "Invalid variant operation"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quirevo
