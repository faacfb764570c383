#include "tests/wine/server/call_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace quirevo::testing {
namespace {

constexpr CallFate kServe = CallFate::Serve;
constexpr CallFate kBusy = CallFate::RejectAsBusy;
constexpr CallFate kHang = CallFate::Hang;
constexpr CallFate kDie = CallFate::Die;

struct PlanCase {
  const char* name;
  const char* settings;
  std::vector<std::string> calls;
  std::vector<CallFate> fates;
};

class CallPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(CallPlanTest, GivesEachCallItsFate) {
  CallPlan plan(parseServerSettings(GetParam().settings));
  std::vector<CallFate> fates;
  for (const std::string& member : GetParam().calls) {
    fates.push_back(plan.next(member));
  }
  EXPECT_EQ(fates, GetParam().fates);
}

INSTANTIATE_TEST_SUITE_P(
    Plans, CallPlanTest,
    ::testing::Values(
        PlanCase{"NothingPlannedServesEveryCall", "", {"Open", "Open"}, {kServe, kServe}},
        PlanCase{"BusyRejectsTheFirstCalls",
                 "busy Open 2\n",
                 {"Open", "Open", "Open"},
                 {kBusy, kBusy, kServe}},
        PlanCase{"HangTakesTheCallAfterTheSkipped",
                 "hang Open 1\n",
                 {"Open", "Open", "Open"},
                 {kServe, kHang, kServe}},
        PlanCase{"DieMatchesTheMemberInAnyCase", "die open 0\n", {"OPEN"}, {kDie}},
        PlanCase{"BusyRejectionsAreNotCountedAsTaken",
                 "busy Open 1\nhang Open 0\n",
                 {"Open", "Open"},
                 {kBusy, kHang}},
        PlanCase{"OtherMembersAreNotCounted",
                 "die Close 1\n",
                 {"Close", "Open", "Open", "Close"},
                 {kServe, kServe, kServe, kDie}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::testing
