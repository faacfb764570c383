#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tests/wine/driver/expected_requests.h"
#include "tests/wine/driver/program_run.h"
#include "tests/wine/driver/quirevo_window.h"
#include "tests/wine/driver/server_registration.h"

namespace quirevo::testing {

struct DriverPaths {
  std::wstring executable;
  std::wstring runDirectory;  // the program's working directory, with the language files
  std::wstring serverDll;
  // Where the server's settings and request log go; the run directory when empty. An installed
  // program's folder gets nothing it did not install.
  std::wstring serverFiles;
};

// Prints one line per check, as the other window driver does.
class Checks {
 public:
  void check(bool condition, const std::string& what, const std::string& detail = {});
  int passed() const { return passed_; }
  int failed() const { return failed_; }

 private:
  int passed_ = 0;
  int failed_ = 0;
};

// How the test server is served: loaded into the program, or in a process of its own as Excel
// is.
enum class ServerKind { InProcess, OutOfProcess };

// One scenario's run: the server's settings written, the server registered, the program started
// and its window found; everything undone when the run ends.
class ScenarioRun {
 public:
  ScenarioRun(const DriverPaths& paths, Checks& checks) : paths_(paths), checks_(checks) {}

  // Starts the program with a server serving what the settings describe (a log line is added).
  // False, with a failed check, when the window does not appear.
  // An argument is given to the program on its command line.
  bool start(const std::string& settings, ServerKind kind = ServerKind::InProcess,
             const std::optional<std::wstring>& argument = {});
  QuirevoWindow& window() { return *window_; }
  ProgramRun& program() { return *program_; }
  // What servers started from now on serve (a log line is added); those already running keep
  // what they read.
  void rewriteSettings(const std::string& settings) const;
  Checks& checks() { return checks_; }
  // A file of the run directory, as the program names it.
  std::string runFile(const std::string& name) const;
  // Creates an empty file in the run directory, for the file dialog to find.
  void createFile(const std::string& name) const;
  // The caption a language file holds for a key.
  std::wstring captionInFile(const std::string& file, const std::string& key) const;

  void expectNoMessageBox(const std::string& after);
  void expectMessageBox(const std::wstring& text, const std::string& what);
  void expectExit(const std::string& how);
  // The server's log, line by line, against what the program's steps must have sent.
  void expectRequests(const Requests& expected);

 private:
  std::wstring serverFile(const wchar_t* name) const;
  std::wstring logPath() const;

  const DriverPaths& paths_;
  Checks& checks_;
  std::unique_ptr<ServerRegistration> registration_;
  std::unique_ptr<ProgramRun> program_;
  std::unique_ptr<QuirevoWindow> window_;
};

}  // namespace quirevo::testing
