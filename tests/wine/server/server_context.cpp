#include "tests/wine/server/server_context.h"

namespace quirevo::testing {

ServerContext::ServerContext(const ServerSettings& settings, std::function<void()> whenReleased)
    : log_(settings.logPath), plan_(settings), whenReleased_(std::move(whenReleased)) {
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
  if (whenReleased_) {
    whenReleased_();
  }
}

}  // namespace quirevo::testing
