#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"

namespace quirevo {

// The open-file dialog component: a filter such as "Excel|*.xls;*.xlsx" (description and
// patterns in pairs) and the file name it holds, which a choice replaces and a cancel keeps.
class OpenDialog {
 public:
  OpenDialog(Desktop& desktop, std::string filter);

  const std::string& filter() const { return filter_; }
  std::vector<FileFilter> filters() const;
  const std::string& fileName() const { return fileName_; }

  // Shows the dialog modally; true when the user chose a file.
  bool execute();

 private:
  Desktop& desktop_;
  std::string filter_;
  std::string fileName_;
};

}  // namespace quirevo
