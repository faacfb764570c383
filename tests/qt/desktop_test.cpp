// The Qt desktop's own services: the open dialog, the error message box, text measurement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

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

TEST_F(OpenDialogTest, ChoosingAFileElsewhereKeepsTheWorkingFolder) {
  const QString working = QDir::currentPath();
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    dialog.selectFile(toQString(path("Old.xls")));
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  EXPECT_EQ(desktop.showOpenDialog(kExcelRequest), path("Old.xls"));
  EXPECT_EQ(QDir::currentPath(), working);
}

// HOME and the XDG configuration (which may name the documents folder) lead into a temporary
// folder while the test runs.
class TemporaryHome {
 public:
  TemporaryHome() {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
      saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(".config")));
  }
  ~TemporaryHome() {
    for (const Saved& variable : saved_) {
      if (variable.set) {
        qputenv(variable.name, variable.value);
      } else {
        qunsetenv(variable.name);
      }
    }
  }
  TemporaryHome(const TemporaryHome&) = delete;
  TemporaryHome& operator=(const TemporaryHome&) = delete;

  QString path(const QString& name = {}) const {
    return QDir(home_.path()).absoluteFilePath(name).remove(QRegularExpression("/$"));
  }

 private:
  struct Saved {
    const char* name;
    QByteArray value;
    bool set;
  };
  QTemporaryDir home_;
  std::vector<Saved> saved_;
};

struct StartFolder {
  const char* name;
  std::vector<QString> folders;  // made in the home folder
  QString userDirs;              // the user-dirs.dirs file's text, if any
  QString expected;              // relative to the home folder
};

class OpenDialogStartTest : public ::testing::TestWithParam<StartFolder> {};

TEST_P(OpenDialogStartTest, StartsWhereTheUserKeepsFilesNotInTheWorkingFolder) {
  TemporaryHome home;
  for (const QString& folder : GetParam().folders) {
    ASSERT_TRUE(QDir(home.path()).mkpath(folder));
  }
  if (!GetParam().userDirs.isEmpty()) {
    QFile userDirs(home.path(".config/user-dirs.dirs"));
    ASSERT_TRUE(userDirs.open(QIODevice::WriteOnly));
    userDirs.write(GetParam().userDirs.toUtf8());
  }
  QString directory;
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    directory = dialog.directory().absolutePath();
    dialog.reject();
  });
  QtDesktop desktop;
  desktop.showOpenDialog(kExcelRequest);
  EXPECT_EQ(toUtf8(directory), toUtf8(home.path(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(
    QtDesktop, OpenDialogStartTest,
    ::testing::Values(StartFolder{"Documents", {"Documents", "Downloads"}, {}, "Documents"},
                      StartFolder{"HomeWithoutDocuments", {"Downloads"}, {}, ""},
                      StartFolder{"DocumentsNamedByTheDesktop",
                                  {".config", "Документы"},
                                  "XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n",
                                  "Документы"},
                      StartFolder{"HomeWhenTheNamedDocumentsFolderIsMissing",
                                  {".config"},
                                  "XDG_DOCUMENTS_DIR=\"$HOME/Документы\"\n",
                                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

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
