#include "programs/windows/window_start.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/windows/unique_handle.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

constexpr wchar_t kWindowProgram[] = L"Quirevo.exe";

std::runtime_error systemFailure(const std::string& what, DWORD error) {
  const std::string reason = systemMessage(static_cast<HRESULT>(error));
  return std::runtime_error(what + ": " +
                            (reason.empty() ? "error " + std::to_string(error) : reason));
}

std::wstring ownFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      throw systemFailure("this program's own file name is not available", GetLastError());
    }
    if (length < path.size()) {
      const std::wstring file(path.data(), length);
      return file.substr(0, file.find_last_of(L'\\'));
    }
    path.resize(path.size() * 2);
  }
}

std::wstring fullPath(const std::string& name) {
  const std::wstring wide = toWide(name);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = size == 0 ? 0 : GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) {
    const DWORD error = GetLastError();
    throw systemFailure("the full path of " + name + " cannot be found", error);
  }
  full.resize(length);
  return full;
}

// One argument as CommandLineToArgvW reads it back: quoted, with the backslashes before a quote
// and at the end doubled.
std::wstring quotedArgument(const std::wstring& argument) {
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(backslashes * 2, L'\\');
  return text + L'"';
}

}  // namespace

void startWindowProgram(const std::optional<std::string>& workbook) {
  const std::wstring folder = ownFolder();
  const std::wstring program = folder + L'\\' + kWindowProgram;
  std::wstring commandLine = quotedArgument(program);
  if (workbook && !workbook->empty()) {
    commandLine += L' ' + quotedArgument(fullPath(*workbook));
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    const DWORD error = GetLastError();
    throw systemFailure(toUtf8(program) + " cannot be started", error);
  }
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
}

}  // namespace quirevo
