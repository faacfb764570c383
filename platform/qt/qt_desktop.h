#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/toolkit.h"

namespace quirevo {

// The desktop of a Qt Widgets application; a QApplication must exist. Dialogs and message boxes
// are modal to the main window while it runs.
class QtDesktop : public Toolkit {
 public:
  std::optional<std::string> showOpenDialog(const OpenFileRequest& request) override;
  void showMessageBox(std::string_view caption, std::string_view text, MessageIcon icon) override;
  void beep() override;
  Size measureText(std::string_view text, const Font& font) const override;
  char32_t decimalSeparator() const override;
  std::string executablePath() const override;
  void run(Form& mainForm) override;

  // The window dialogs belong to; set while run() shows a form, and by tests that make one.
  void setMainWindow(QWidget* window) { mainWindow_ = window; }
  QWidget* mainWindow() const { return mainWindow_; }

 private:
  QPointer<QWidget> mainWindow_;
};

// "Excel|*.xls;*.xlsx" as Qt spells a filter: "Excel (*.xls *.xlsx)".
QString nameFilter(const FileFilter& filter);

// Where the open dialog starts when no file was chosen yet: the user's documents folder, or the
// home folder where there is none.
QString userFilesFolder();

}  // namespace quirevo
