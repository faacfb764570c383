#include "tests/wine/driver/console_program_run.h"

#include <stdexcept>

namespace quirevo::testing {

namespace {

// A file the program inherits as a standard handle.
UniqueHandle inheritable(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  UniqueHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    throw std::runtime_error("no file for quirevo.com's output: error " +
                             std::to_string(GetLastError()));
  }
  return file;
}

}  // namespace

std::string fileBytes(const std::wstring& path) {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  return bytes;
}

ConsoleProgramRun::ConsoleProgramRun(const std::wstring& program,
                                     const std::vector<std::wstring>& arguments,
                                     const std::wstring& folder, const std::wstring& output,
                                     DWORD creationFlags)
    : output_(output) {
  // The test's arguments hold no quote and end in no backslash: quoting each is enough.
  std::wstring commandLine = L"\"" + program + L"\"";
  for (const std::wstring& argument : arguments) {
    commandLine += L" \"" + argument + L"\"";
  }
  const UniqueHandle input = inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
  const UniqueHandle out = inheritable(output + L".out", GENERIC_WRITE, CREATE_ALWAYS);
  const UniqueHandle err = inheritable(output + L".err", GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = out.get();
  startup.hStdError = err.get();
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, creationFlags,
                      nullptr, folder.c_str(), &startup, &started)) {
    throw std::runtime_error("quirevo.com does not start: error " + std::to_string(GetLastError()));
  }
  process_ = UniqueHandle(started.hProcess);
  const UniqueHandle thread(started.hThread);
}

ConsoleProgramRun::~ConsoleProgramRun() {
  if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
}

std::optional<DWORD> ConsoleProgramRun::waitForExit(DWORD timeoutMs) const {
  if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

std::string ConsoleProgramRun::output() const {
  return fileBytes(output_ + L".out");
}

std::string ConsoleProgramRun::errors() const {
  return fileBytes(output_ + L".err");
}

}  // namespace quirevo::testing
