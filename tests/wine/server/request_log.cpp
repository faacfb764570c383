#include "tests/wine/server/request_log.h"

#include <cstdio>
#include <memory>

#include "platform/windows/wide_text.h"

namespace quirevo::testing {

void RequestLog::write(const std::string& line) const {
  if (path_.empty()) {
    return;
  }
  std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(toWide(path_).c_str(), L"ab"), &fclose);
  if (file) {
    std::fputs((line + "\n").c_str(), file.get());
  }
}

}  // namespace quirevo::testing
