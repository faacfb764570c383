#include "app/print_controls.h"

#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace quirevo {

namespace {

// The first checked button of a group, as the choice in the order All, One, Range, Even, Odd.
template <class Choice>
Choice checkedChoice(const std::array<const RadioButton*, 5>& buttons) {
  constexpr std::array kChoices{Choice::All, Choice::One, Choice::Range, Choice::Even, Choice::Odd};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->checked()) {
      return kChoices[i];
    }
  }
  return Choice::None;
}

}  // namespace

PrintSettings readPrintSettings(const PrintControls& w) {
  PrintSettings settings;
  settings.printer = w.printer.caption();
  settings.sheets.copies = w.sheetCopies.value();
  settings.sheets.pagesPerSheet = w.pagesPerSheet.value();

  settings.sheetMode = w.sheetMode.checked();
  settings.sheets.choice = checkedChoice<SheetChoice>(w.sheetChoices);
  settings.sheets.oneSheet = w.oneSheet.value();
  settings.sheets.firstSheet = w.firstSheet.value();
  settings.sheets.lastSheet = w.lastSheet.value();

  settings.pageMode = w.pageMode.checked();
  settings.pages.sheet = w.pageSheet.value();
  settings.pages.copies = w.pageCopies.value();
  settings.pages.choice = checkedChoice<PageChoice>(w.pageChoices);
  settings.pages.onePage = w.onePage.value();
  settings.pages.firstPage = w.firstPage.value();
  settings.pages.lastPage = w.lastPage.value();
  return settings;
}

}  // namespace quirevo
