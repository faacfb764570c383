#pragma once

#include <functional>
#include <string>

#include "tests/support/spreadsheet_stand_in.h"
#include "tests/wine/server/call_plan.h"
#include "tests/wine/server/request_log.h"
#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

// One created "Excel.Application": the stand-in's model, the request log and the plan of busy
// periods, hangs and deaths still to come. Shared by every object handed out; when the last is
// released the log says so, with the stand-in's count of references still alive (0 when nothing
// leaked), and then whenReleased runs.
class ServerContext {
 public:
  ServerContext(const ServerSettings& settings, std::function<void()> whenReleased);
  ServerContext(const ServerContext&) = delete;
  ServerContext& operator=(const ServerContext&) = delete;
  ~ServerContext();

  SpreadsheetStandIn& standIn() { return standIn_; }
  const RequestLog& log() const { return log_; }
  // What becomes of the next call of the member.
  CallFate nextCall(const std::string& member) { return plan_.next(member); }

 private:
  SpreadsheetStandIn standIn_;
  RequestLog log_;
  CallPlan plan_;
  std::function<void()> whenReleased_;
};

}  // namespace quirevo::testing
