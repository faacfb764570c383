#pragma once

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace quirevo {

// The files a WM_DROPFILES brings, released with DragFinish when this goes.
class DroppedFiles {
 public:
  explicit DroppedFiles(HDROP drop) : drop_(drop) {}
  DroppedFiles(const DroppedFiles&) = delete;
  DroppedFiles& operator=(const DroppedFiles&) = delete;
  ~DroppedFiles() { DragFinish(drop_); }

  // The first file's path in UTF-8; nothing when the drop holds none.
  std::optional<std::string> first() const;

 private:
  HDROP drop_;
};

}  // namespace quirevo
