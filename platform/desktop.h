#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/geometry.h"

namespace quirevo {

struct FileFilter {
  std::string description;  // "Excel"
  std::string patterns;     // "*.xls;*.xlsx"
  bool operator==(const FileFilter&) const = default;
};

struct OpenFileRequest {
  std::vector<FileFilter> filters;
  std::string fileName;  // the name the dialog holds before it is shown
};

enum class MessageIcon { Error };

// The window system's services: dialogs, message boxes, the beep and text measurement.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows the open-file dialog modally; the chosen full path, or nothing after a cancel.
  virtual std::optional<std::string> showOpenDialog(const OpenFileRequest& request) = 0;
  // A modal message box with one OK button.
  virtual void showMessageBox(std::string_view caption, std::string_view text,
                              MessageIcon icon) = 0;
  virtual void beep() = 0;
  virtual Size measureText(std::string_view text, const Font& font) const = 0;
  virtual char32_t decimalSeparator() const = 0;
  virtual std::string executablePath() const = 0;
};

}  // namespace quirevo
