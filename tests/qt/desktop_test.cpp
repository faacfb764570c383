// The Qt desktop's own services: the open dialog, the error message box, text measurement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_text.h"

namespace quirevo {
namespace {

// Acts on the modal dialog once it is up; the dialog's exec() is what the test calls.
template <class Dialog>
void whenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) {
      ADD_FAILURE() << "no modal dialog of the expected kind";
      if (QWidget* other = QApplication::activeModalWidget()) {
        other->close();
      }
      return;
    }
    act(*dialog);
  });
}

const OpenFileRequest kExcelRequest{{{"Excel", "*.xls;*.xlsx"}}, ""};

class OpenDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"Totals.xlsx", "Old.xls", "notes.txt"}) {
      QFile file(folder.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
  }
  std::string path(const char* name) const { return toUtf8(folder.filePath(name)); }

  QTemporaryDir folder;
  QtDesktop desktop;
};

TEST_F(OpenDialogTest, IsModalWithTheExcelFilterAndReturnsTheChosenFullPath) {
  QStringList filters;
  bool modal = false;
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    modal = dialog.isModal();
    dialog.selectFile(toQString(path("Totals.xlsx")));
    QMetaObject::invokeMethod(&dialog, "accept");  // as the Open button does
  });
  const auto chosen = desktop.showOpenDialog(kExcelRequest);
  EXPECT_EQ(filters, QStringList{"Excel (*.xls *.xlsx)"});
  EXPECT_TRUE(modal);
  EXPECT_EQ(chosen, path("Totals.xlsx"));
}

TEST_F(OpenDialogTest, ACancelReturnsNothing) {
  whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(desktop.showOpenDialog(kExcelRequest), std::nullopt);
}

TEST_F(OpenDialogTest, OpensWithThePreviousFileSelected) {
  QStringList selected;
  QString directory;
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    selected = dialog.selectedFiles();
    directory = dialog.directory().absolutePath();
    dialog.reject();
  });
  desktop.showOpenDialog({kExcelRequest.filters, path("Old.xls")});
  EXPECT_EQ(selected, QStringList{toQString(path("Old.xls"))});
  EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
}

TEST(QtDesktopTest, NameFiltersJoinTheDescriptionAndThePatterns) {
  EXPECT_EQ(nameFilter({"Excel", "*.xls;*.xlsx"}), "Excel (*.xls *.xlsx)");
  EXPECT_EQ(nameFilter({"Книги", "*.ods"}), "Книги (*.ods)");
}

TEST(QtDesktopTest, TheErrorBoxHasTheCaptionTheTextTheErrorIconAndOneOkButton) {
  QtDesktop desktop;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
  bool okButton = false;
  whenShown<QMessageBox>([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    icon = box.icon();
    buttons = box.buttons().size();
    okButton = box.button(QMessageBox::Ok) != nullptr;
    box.button(QMessageBox::Ok)->click();
  });
  desktop.showMessageBox("Quirevo", "Нет принтера <b>по умолчанию</b>.", MessageIcon::Error);
  EXPECT_EQ(title, "Quirevo");
  EXPECT_EQ(text, "Нет принтера <b>по умолчанию</b>.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
  EXPECT_TRUE(okButton);
}

TEST(QtDesktopTest, MeasuresTextInTheWindowsFonts) {
  QtDesktop desktop;
  const Size plain = desktop.measureText("Number of pages pre sheet", kWindowFont);
  const Size bold = desktop.measureText("Number of pages pre sheet", kBold13);
  EXPECT_EQ(plain.width,
            QFontMetrics(toQFont(kWindowFont)).horizontalAdvance("Number of pages pre sheet"));
  EXPECT_GT(bold.width, plain.width);
  EXPECT_GT(bold.height, plain.height);
  EXPECT_GT(desktop.measureText("Принтер", kBold13).width, 0);
}

}  // namespace
}  // namespace quirevo
