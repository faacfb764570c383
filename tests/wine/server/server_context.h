#pragma once

#include <map>
#include <string>

#include "tests/support/spreadsheet_stand_in.h"
#include "tests/wine/server/request_log.h"
#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

// One created "Excel.Application": the stand-in's model, the request log and the busy periods
// still to come. Shared by every object handed out; when the last is released the log says so,
// with the stand-in's count of references still alive (0 when nothing leaked).
class ServerContext {
 public:
  explicit ServerContext(const ServerSettings& settings);
  ServerContext(const ServerContext&) = delete;
  ServerContext& operator=(const ServerContext&) = delete;
  ~ServerContext();

  SpreadsheetStandIn& standIn() { return standIn_; }
  const RequestLog& log() const { return log_; }
  // True (and one rejection fewer) while calls of the member are to be rejected as busy.
  bool rejectAsBusy(const std::string& member);

 private:
  SpreadsheetStandIn standIn_;
  RequestLog log_;
  std::map<std::string, int> busyCalls_;
};

}  // namespace quirevo::testing
