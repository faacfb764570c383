#pragma once

#include <string>

namespace quirevo::testing {

// The test server's request log: one UTF-8 line per request, appended and flushed at once so
// that the test reads every line even when the program is ended by force.
class RequestLog {
 public:
  explicit RequestLog(std::string path) : path_(std::move(path)) {}
  void write(const std::string& line) const;

 private:
  std::string path_;
};

}  // namespace quirevo::testing
