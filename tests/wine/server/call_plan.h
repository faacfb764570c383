#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

// What becomes of one call the server receives.
enum class CallFate { Serve, RejectAsBusy, Hang, Die };

// The settings' busy periods and planned endings, played out call by call: a member's calls are
// rejected as busy first; the calls taken after that are counted for hang and die.
class CallPlan {
 public:
  explicit CallPlan(const ServerSettings& settings);

  // The fate of the next call of the member, as the caller spelled it.
  CallFate next(const std::string& member);

 private:
  std::map<std::string, int> busyCalls_;
  std::vector<PlannedEnding> endings_;
  std::map<std::string, int> taken_;
};

}  // namespace quirevo::testing
