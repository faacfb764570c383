#pragma once

#include "automation/variant.h"

namespace quirevo {

class BitBtn;
class ComboBox;
class Edit;
class ListBox;

// The controls that loading reads and writes.
struct WorkbookWindow {
  const Edit& fileField;
  BitBtn& printButton;
  const ComboBox& languageBox;
  ListBox& informationList;
};

// Replaces the session's active workbook with the one the file field names and lists its sheets
// with number, name and printed page count in the chosen language. An empty field only disables
// the print button and empties the list. Nothing is cached: every value is asked for afresh.
void loadNamedWorkbook(const Variant& session, const WorkbookWindow& window);

}  // namespace quirevo
