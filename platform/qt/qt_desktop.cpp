#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>

#include "platform/qt/native_form.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_text.h"

namespace quirevo {

QString nameFilter(const FileFilter& filter) {
  return toQString(filter.description) + " (" + toQString(filter.patterns).replace(';', ' ') + ")";
}

QString userFilesFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
    return documents;
  }
  return QDir::homePath();
}

std::optional<std::string> QtDesktop::showOpenDialog(const OpenFileRequest& request) {
  // Not the working folder: that is where the program was started, with its language files.
  QFileDialog dialog(mainWindow_, QString(), userFilesFolder());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) {
    filters << nameFilter(filter);
  }
  dialog.setNameFilters(filters);
  if (!request.fileName.empty()) {
    dialog.selectFile(toQString(request.fileName));  // opens in its folder with it selected
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return toUtf8(dialog.selectedFiles().constFirst());
}

void QtDesktop::showMessageBox(std::string_view caption, std::string_view text, MessageIcon) {
  QMessageBox box(QMessageBox::Critical, toQString(caption), toQString(text), QMessageBox::Ok,
                  mainWindow_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtDesktop::beep() {
  QApplication::beep();
}

Size QtDesktop::measureText(std::string_view text, const Font& font) const {
  const QFontMetrics metrics(toQFont(font));
  return {metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

char32_t QtDesktop::decimalSeparator() const {
  const auto separator = QLocale().decimalPoint().toUcs4();
  return separator.isEmpty() ? U'.' : static_cast<char32_t>(separator.front());
}

std::string QtDesktop::executablePath() const {
  return toUtf8(QCoreApplication::applicationFilePath());
}

void QtDesktop::run(Form& mainForm) {
  if (mainForm.closed()) {
    return;
  }
  QEventLoop loop;
  NativeForm native(mainForm, [&loop] { loop.quit(); });
  mainWindow_ = &native.window();
  // The run ends when the model closes the form, not when Qt sees its last window go.
  QApplication::setQuitOnLastWindowClosed(false);
  native.window().show();
  if (!mainForm.closed()) {
    loop.exec();
  }
  mainWindow_ = nullptr;
}

}  // namespace quirevo
