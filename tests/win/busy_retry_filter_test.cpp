#include "platform/com/busy_retry_filter.h"

#include <gtest/gtest.h>
#include <wrl/client.h>

#include "platform/com/com_apartment.h"

namespace quirevo::testing {
namespace {

constexpr DWORD kGiveUp = static_cast<DWORD>(-1);

struct RetryCase {
  const char* name;
  DWORD rejectType;
  DWORD elapsedMs;
  DWORD delay;
};

class BusyRetryDelayTest : public ::testing::TestWithParam<RetryCase> {};

TEST_P(BusyRetryDelayTest, RetriesABusyServerForThirtySeconds) {
  EXPECT_EQ(busyRetryDelay(GetParam().rejectType, GetParam().elapsedMs), GetParam().delay);
}

INSTANTIATE_TEST_SUITE_P(
    Rejections, BusyRetryDelayTest,
    ::testing::Values(RetryCase{"BusyAtOnce", SERVERCALL_RETRYLATER, 0, kBusyRetryIntervalMs},
                      RetryCase{"BusyJustBeforeTheLimit", SERVERCALL_RETRYLATER, 29999,
                                kBusyRetryIntervalMs},
                      RetryCase{"BusyAtTheLimit", SERVERCALL_RETRYLATER, 30000, kGiveUp},
                      RetryCase{"RejectedOutright", SERVERCALL_REJECTED, 0, kGiveUp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComApartmentTest, RegistersTheBusyRetryFilterWhileItLasts) {
  ComApartment apartment;
  Microsoft::WRL::ComPtr<IMessageFilter> registered;
  ASSERT_EQ(CoRegisterMessageFilter(nullptr, &registered), S_OK);
  ASSERT_NE(registered, nullptr);
  EXPECT_EQ(registered->RetryRejectedCall(nullptr, 1000, SERVERCALL_RETRYLATER),
            kBusyRetryIntervalMs);
  EXPECT_EQ(registered->HandleInComingCall(CALLTYPE_TOPLEVEL, nullptr, 0, nullptr),
            static_cast<DWORD>(SERVERCALL_ISHANDLED));
  CoRegisterMessageFilter(registered.Get(), nullptr);
}

TEST(ComApartmentTest, IsASingleThreadedApartment) {
  ComApartment apartment;
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  ASSERT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
  EXPECT_TRUE(type == APTTYPE_MAINSTA || type == APTTYPE_STA) << type;
}

}  // namespace
}  // namespace quirevo::testing
