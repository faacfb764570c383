#include "tests/wine/server/server_context.h"

#include "automation/ascii_case.h"

namespace quirevo::testing {

ServerContext::ServerContext(const ServerSettings& settings)
    : log_(settings.logPath), busyCalls_(settings.busyCalls) {
  for (const auto& [path, content] : settings.workbooks) {
    standIn_.addFile(path, content);
  }
  for (const InjectedFailure& failure : settings.failures) {
    standIn_.failAt(failure.member, failure.description, failure.skip, failure.times);
  }
}

ServerContext::~ServerContext() {
  const long left = standIn_.liveReferences();
  log_.write(left == 0 ? "released" : "released, " + std::to_string(left) + " references left");
}

bool ServerContext::rejectAsBusy(const std::string& member) {
  const auto busy = busyCalls_.find(asciiLower(member));
  if (busy == busyCalls_.end() || busy->second == 0) {
    return false;
  }
  --busy->second;
  return true;
}

}  // namespace quirevo::testing
