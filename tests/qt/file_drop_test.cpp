// Files dropped onto the window through Qt's drag and drop events.
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include "tests/qt/qt_window_fixture.h"

namespace quirevo::testing {
namespace {

struct QtDropRow {
  const char* name;
  QStringList addresses;
  bool ontoFileField;
  std::string named;  // empty: the drop is refused
};

class QtFileDropTest : public QtWindowTest, public ::testing::WithParamInterface<QtDropRow> {};

TEST_P(QtFileDropTest, AFirstLocalFileIsNamedInTheFileFieldAndNothingElseIsTaken) {
  const QtDropRow& row = GetParam();
  const bool taken = !row.named.empty();
  if (taken) {
    fake.standIn.addFile(row.named, {{{"Only"}}, {}});
  }
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& address : row.addresses) {
    urls << QUrl(address);
  }
  data.setUrls(urls);
  data.setText(row.addresses.join('\n'));  // file managers offer the addresses as text as well
  QWidget* target = row.ontoFileField ? widget(form->Edit1) : &native->window();
  const QPoint at = target->rect().center();
  const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);

  EXPECT_EQ(enter.isAccepted(), taken);
  EXPECT_EQ(drop.isAccepted(), taken);
  if (taken) {
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "a move would delete the dropped file";
  }
  EXPECT_EQ(form->Edit1.text(), row.named);
  EXPECT_EQ(toUtf8(widget<QLineEdit>(form->Edit1)->text()), row.named);
  EXPECT_EQ(fake.standIn.activeWorkbook(), taken ? std::optional(row.named) : std::optional(""));
  EXPECT_TRUE(desktop.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Drops, QtFileDropTest,
    ::testing::Values(
        QtDropRow{
            "FileOntoTheWindow", {"file:///data/Q3%20sales.xlsx"}, false, "/data/Q3 sales.xlsx"},
        QtDropRow{"FileOntoTheFileField", {"file:///data/book.xlsx"}, true, "/data/book.xlsx"},
        QtDropRow{"FirstOfTwoFiles",
                  {"file:///data/one.xlsx", "file:///data/two.xlsx"},
                  false,
                  "/data/one.xlsx"},
        QtDropRow{"WebAddressRefused", {"https://example.org/book.xlsx"}, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::testing
