#pragma once

#include <string>

#include "automation/variant.h"

namespace quirevo {

// What loading reads from the window and writes back to it, each at the moment it is needed.
class WorkbookView {
 public:
  // The file field's text.
  virtual std::string fileName() const = 0;
  virtual void setPrintEnabled(bool enabled) = 0;
  // The chosen language: 0 English, 1 Russian, 2 Ukrainian, -1 none chosen.
  virtual int languageIndex() const = 0;
  // The information list's lines.
  virtual void clearInformation() = 0;
  virtual void addInformation(std::string line) = 0;

 protected:
  ~WorkbookView() = default;
};

// Replaces the session's active workbook with the one the file field names and lists its sheets
// with number, name and printed page count in the chosen language. An empty field only disables
// the print button and empties the list. Nothing is cached: every value is asked for afresh.
void loadNamedWorkbook(const Variant& session, WorkbookView& window);

}  // namespace quirevo
