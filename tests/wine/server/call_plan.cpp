#include "tests/wine/server/call_plan.h"

#include "automation/ascii_case.h"

namespace quirevo::testing {

CallPlan::CallPlan(const ServerSettings& settings)
    : busyCalls_(settings.busyCalls), endings_(settings.endings) {}

CallFate CallPlan::next(const std::string& member) {
  const std::string name = asciiLower(member);
  const auto busy = busyCalls_.find(name);
  if (busy != busyCalls_.end() && busy->second > 0) {
    --busy->second;
    return CallFate::RejectAsBusy;
  }
  const int taken = taken_[name]++;
  for (const PlannedEnding& planned : endings_) {
    if (planned.member == name && planned.skip == taken) {
      return planned.ending == CallEnding::Hang ? CallFate::Hang : CallFate::Die;
    }
  }
  return CallFate::Serve;
}

}  // namespace quirevo::testing
