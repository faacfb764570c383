#include "platform/win32/dropped_files.h"

#include "platform/windows/wide_text.h"

namespace quirevo {

std::optional<std::string> DroppedFiles::first() const {
  constexpr UINT kCount = 0xFFFFFFFF;  // asks for the number of files
  if (DragQueryFileW(drop_, kCount, nullptr, 0) == 0) {
    return std::nullopt;
  }
  const UINT length = DragQueryFileW(drop_, 0, nullptr, 0);
  if (length == 0) {
    return std::nullopt;
  }
  std::wstring path(length + 1, L'\0');
  path.resize(DragQueryFileW(drop_, 0, path.data(), length + 1));
  return toUtf8(path);
}

}  // namespace quirevo
