#include "platform/windows/wide_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace quirevo {

namespace {
int checkedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) {
    throw std::length_error("text too long for the Windows API");
  }
  return static_cast<int>(size);
}
}  // namespace

std::wstring toWide(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int length = checkedLength(text.size());
  const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), needed);
  return wide;
}

std::string toUtf8(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int length = checkedLength(text.size());
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

}  // namespace quirevo
