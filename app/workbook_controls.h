#pragma once

#include "workbook/workbook_loading.h"

namespace quirevo {

class BitBtn;
class ComboBox;
class Edit;
class ListBox;

// Loading's view of the window: the file field, the print button, the language box and the
// information list.
class WorkbookControls final : public WorkbookView {
 public:
  WorkbookControls(const Edit& fileField, BitBtn& printButton, const ComboBox& languageBox,
                   ListBox& informationList)
      : fileField_(fileField),
        printButton_(printButton),
        languageBox_(languageBox),
        informationList_(informationList) {}

  std::string fileName() const override;
  void setPrintEnabled(bool enabled) override;
  int languageIndex() const override;
  void clearInformation() override;
  void addInformation(std::string line) override;

 private:
  const Edit& fileField_;
  BitBtn& printButton_;
  const ComboBox& languageBox_;
  ListBox& informationList_;
};

}  // namespace quirevo
