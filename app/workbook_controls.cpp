#include "app/workbook_controls.h"

#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/list_box.h"

namespace quirevo {

std::string WorkbookControls::fileName() const {
  return fileField_.text();
}

void WorkbookControls::setPrintEnabled(bool enabled) {
  printButton_.setEnabled(enabled);
}

int WorkbookControls::languageIndex() const {
  return languageBox_.itemIndex();
}

void WorkbookControls::clearInformation() {
  informationList_.clear();
}

void WorkbookControls::addInformation(std::string line) {
  informationList_.addItem(std::move(line));
}

}  // namespace quirevo
