#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "platform/windows/unique_handle.h"
#include "supervision/application_launcher.h"

namespace quirevo {

// Starts a spreadsheet application through COM by its ProgID and keeps hold of its process: the
// process of the local server that appeared with the creation, running the executable the class
// is registered with, and only that one, never another instance the user runs. The process is
// put into a job object that ends it when its last handle closes, so that it ends with Quirevo
// however Quirevo ends. A class served in process has no process of its own: it is never taken
// for gone, and Stop cannot end it.
class ComApplicationLauncher final : public supervision::ApplicationLauncher {
 public:
  explicit ComApplicationLauncher(std::string progId);
  ComApplicationLauncher(const ComApplicationLauncher&) = delete;
  ComApplicationLauncher& operator=(const ComApplicationLauncher&) = delete;

  DispatchPtr start() override;
  bool running() override;
  void stop() override;
  bool showsDeath(const AutomationError& failure) override;

 private:
  bool processEnded() const;

  std::string progId_;
  UniqueHandle job_;
  mutable std::mutex mutex_;
  std::wstring executable_;
  // The processes that ran the executable before the last start (nothing where the list could not
  // be read or the class has no executable), and whether that start is still under way.
  std::optional<std::set<DWORD>> before_;
  bool starting_ = false;
  UniqueHandle process_;
};

// Whether a COM status says the server has gone: it died, was ended or broke the connection.
bool isServerGone(HRESULT status);

}  // namespace quirevo
