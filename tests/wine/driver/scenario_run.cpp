#include "tests/wine/driver/scenario_run.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/windows/wide_text.h"
#include "tests/wine/server/class_factory.h"

namespace quirevo::testing {

namespace {

std::string readFile(const std::wstring& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), &fclose);
  std::string text;
  if (!file) {
    return text;
  }
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
    text.append(buffer, read);
  }
  return text;
}

void writeFile(const std::wstring& path, const std::string& text) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"wb"), &fclose);
  if (file) {
    std::fwrite(text.data(), 1, text.size(), file.get());
  }
}

// The out-of-process server is built next to the DLL under the same name.
std::wstring localServerBeside(const std::wstring& serverDll) {
  return serverDll.substr(0, serverDll.find_last_of(L'.')) + L".exe";
}

}  // namespace

void Checks::check(bool condition, const std::string& what, const std::string& detail) {
  (condition ? passed_ : failed_)++;
  std::printf("%s %s%s%s\n", condition ? "ok  " : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
              detail.c_str());
  std::fflush(stdout);
}

std::wstring ScenarioRun::serverFile(const wchar_t* name) const {
  return (paths_.serverFiles.empty() ? paths_.runDirectory : paths_.serverFiles) + L"\\" + name;
}

std::wstring ScenarioRun::logPath() const {
  return serverFile(L"requests.log");
}

std::string ScenarioRun::runFile(const std::string& name) const {
  return toUtf8(paths_.runDirectory) + "\\" + name;
}

void ScenarioRun::createFile(const std::string& name) const {
  writeFile(toWide(runFile(name)), "");
}

std::wstring ScenarioRun::captionInFile(const std::string& file, const std::string& key) const {
  // The language files hold one plain element per key, so a text search finds the caption.
  const std::string text = readFile(toWide(runFile(file)));
  const std::string open = "<" + key + ">";
  const auto start = text.find(open);
  const auto end = text.find("</" + key + ">", start);
  if (start == std::string::npos || end == std::string::npos) {
    return L"(no " + toWide(key) + L" in " + toWide(file) + L")";
  }
  return toWide(text.substr(start + open.size(), end - start - open.size()));
}

void ScenarioRun::rewriteSettings(const std::string& settings) const {
  writeFile(serverFile(L"server-settings.txt"), "log " + toUtf8(logPath()) + "\n" + settings);
}

bool ScenarioRun::start(const std::string& settings, ServerKind kind,
                        const std::optional<std::wstring>& argument) {
  const std::wstring settingsPath = serverFile(L"server-settings.txt");
  rewriteSettings(settings);
  DeleteFileW(logPath().c_str());
  SetEnvironmentVariableW(kSettingsVariable, settingsPath.c_str());
  registration_ = std::make_unique<ServerRegistration>(
      kind == ServerKind::InProcess ? paths_.serverDll : localServerBeside(paths_.serverDll));
  program_ = std::make_unique<ProgramRun>(paths_.executable, paths_.runDirectory, argument);
  HWND main = program_->waitForWindow();
  checks_.check(main != nullptr, "the window titled Quirevo v1.1 appears");
  if (main == nullptr) {
    return false;
  }
  window_ = std::make_unique<QuirevoWindow>(main, program_->processId());
  window_->settle();
  return true;
}

void ScenarioRun::expectNoMessageBox(const std::string& after) {
  window_->settle();
  const auto box = acceptMessageBox(program_->processId(), L"Quirevo", 300);
  checks_.check(!box, "no message after " + after, box ? "message: " + toUtf8(box->text) : "");
}

void ScenarioRun::expectMessageBox(const std::wstring& text, const std::string& what) {
  const auto box = acceptMessageBox(program_->processId(), L"Quirevo");
  checks_.check(box && box->text == text && box->icon == L"error",
                what + " in an error message box captioned Quirevo",
                box ? toUtf8(box->icon + L": " + box->text) : "no message box");
}

void ScenarioRun::expectExit(const std::string& how) {
  const auto code = program_->waitForExit();
  checks_.check(code == 0u, how + " ends the program with exit code 0",
                code ? "exit code " + std::to_string(*code) : "still running");
}

void ScenarioRun::expectRequests(const Requests& expected) {
  std::istringstream lines(readFile(logPath()));
  Requests actual;
  for (std::string line; std::getline(lines, line);) {
    actual.push_back(line);
  }
  std::string detail;
  for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(nothing)";
    const std::string got = i < actual.size() ? actual[i] : "(nothing)";
    if (want != got) {
      detail = "request " + std::to_string(i + 1) + ": expected " + want + "\n       got " + got;
      break;
    }
  }
  checks_.check(detail.empty(),
                "the server received the expected " + std::to_string(expected.size()) +
                    " requests, call for call",
                detail);
}

}  // namespace quirevo::testing
