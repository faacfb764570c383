#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "supervision/activity.h"

namespace quirevo::supervision {

// A workbook the application was asked to hold: where it comes from, which outlives any one run
// of the application.
struct RecordedWorkbook {
  // The file it was opened from as the caller named it; nothing for a new, blank workbook.
  std::optional<std::string> file;

  // How the user knows it: the file's name in quotes, or "the new workbook".
  std::string title() const { return workbookTitle(file ? &*file : nullptr); }
};

// What the program left the spreadsheet application in, kept so that a new application that
// replaces one which has gone is brought back to it: the settings the program made and the
// workbooks it holds, in the order they were opened, the last one active. Workbook is
// RecordedWorkbook or a platform's record of one that adds what it keeps of it.
template <class Workbook = RecordedWorkbook>
class ApplicationRecord {
 public:
  using Held = std::shared_ptr<Workbook>;

  // Unset until the program sets them.
  std::optional<bool> displayAlerts;
  std::optional<bool> visible;

  bool isVisible() const { return visible.value_or(false); }

  // The workbook now opened or added last: the active one.
  void hold(Held workbook) { workbooks_.push_back(std::move(workbook)); }
  // Closed through the program: it is held no more.
  void forget(const Held& workbook) {
    workbooks_.erase(std::remove(workbooks_.begin(), workbooks_.end(), workbook), workbooks_.end());
  }
  // The workbook opened or added last that has not been forgotten, or nothing.
  Held active() const { return workbooks_.empty() ? nullptr : workbooks_.back(); }
  const std::vector<Held>& workbooks() const { return workbooks_; }
  void clear() { workbooks_.clear(); }

 private:
  std::vector<Held> workbooks_;
};

}  // namespace quirevo::supervision
